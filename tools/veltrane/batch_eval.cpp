// The batch loop: large reads, in-place tokenising, from_chars in, to_chars out.
#include "tools/veltrane/batch_eval.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "tools/veltrane/number_parsing.h"
#include "tools/veltrane/shown_text.h"

namespace veltrane::tools {
namespace {

constexpr std::size_t kInputSize = std::size_t{1} << 20;  // also the longest line accepted
constexpr std::size_t kOutputSize = std::size_t{1} << 20;
constexpr std::size_t kLongestOutputLine = 4 * 16 + 4;  // four %.9g values and separators
constexpr int kNumbersPerLine = 10;

// A byte count for read() and write(), whose count is a size_t on POSIX and an unsigned int
// in the Windows C runtime; both buffers are far smaller than either limit.
unsigned IoCount(std::size_t bytes) {
    return static_cast<unsigned>(bytes);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// What is wrong with a line that is not ten numbers.
struct LineProblem {
    int found = 0;           // numbers read before the problem
    std::string_view token;  // the word that is not a number, or the first extra word
};

std::string_view NextWord(const char*& first, const char* last) {
    while (first != last && IsBlank(*first)) ++first;
    const char* end = first;
    while (end != last && !IsBlank(*end)) ++end;
    const std::string_view word(first, static_cast<std::size_t>(end - first));
    first = end;
    return word;
}

// Parses exactly ten numbers from [first, last); false, with the problem, for anything else.
bool ParseLine(const char* first, const char* last, float (&values)[kNumbersPerLine],
               LineProblem& problem) {
    for (float& value : values) {
        const std::string_view word = NextWord(first, last);
        const auto parsed = ParseFloat(word);
        if (!parsed) {
            problem.token = word;
            return false;
        }
        value = *parsed;
        ++problem.found;
    }
    problem.token = NextWord(first, last);
    return problem.token.empty();
}

std::string Describe(const LineProblem& problem) {
    if (problem.found == kNumbersPerLine) {
        return "found more: '" + Shown(problem.token) + "'";
    }
    if (problem.token.empty()) return "found " + std::to_string(problem.found);
    return "'" + Shown(problem.token) + "' (number " + std::to_string(problem.found + 1) +
           ") is not a number";
}

SampleInput ToSample(const float (&v)[kNumbersPerLine]) {
    SampleInput sample;
    sample.ior = {v[0], v[1], v[2], v[3], v[4], v[5]};
    sample.mu = v[6];
    sample.hue = v[7];
    sample.sat = v[8];
    sample.gamma = v[9];
    return sample;
}

class Output {
  public:
    Output(int outFd, std::FILE* errFile)
        : fd(outFd), err(errFile), buffer(new char[kOutputSize]) {}

    // Appends "r g b a\n"; false if an earlier flush failed.
    bool Append(const AColor& c) {
        if (used + kLongestOutputLine > kOutputSize && !Flush()) return false;
        char* p = buffer.get() + used;
        char* const end = buffer.get() + kOutputSize;
        for (float value : {c.r, c.g, c.b, c.a}) {
            // %.9g of the float, which to_chars produces exactly, without printf's locale.
            p = std::to_chars(p, end, value, std::chars_format::general, 9).ptr;
            *p++ = ' ';
        }
        p[-1] = '\n';
        used = static_cast<std::size_t>(p - buffer.get());
        return true;
    }

    bool Flush() {
        std::size_t done = 0;
        while (done < used) {
            const ssize_t n = ::write(fd, buffer.get() + done, IoCount(used - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                std::fprintf(err, "veltrane eval: cannot write the output: %s\n",
                             std::strerror(errno));
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        used = 0;
        return true;
    }

  private:
    int fd;
    std::FILE* err;
    std::unique_ptr<char[]> buffer;
    std::size_t used = 0;
};

}  // namespace

int RunBatch(int inFd, int outFd, std::FILE* err, SampleEvaluator& evaluator) {
    const std::unique_ptr<char[]> input(new char[kInputSize]);
    Output output(outFd, err);
    std::size_t filled = 0;  // bytes in input; a partial line stays at its front
    long long lineNumber = 0;
    bool atEnd = false;

    const auto reject = [&](const std::string& what) {
        if (!output.Flush()) return 1;
        std::fprintf(err, "line %lld: expected 10 numbers, %s\n", lineNumber, what.c_str());
        return 2;
    };

    while (!atEnd) {
        const ssize_t n = ::read(inFd, input.get() + filled, IoCount(kInputSize - filled));
        if (n < 0) {
            if (errno == EINTR) continue;
            output.Flush();
            std::fprintf(err, "veltrane eval: cannot read the input: %s\n", std::strerror(errno));
            return 1;
        }
        atEnd = n == 0;
        filled += static_cast<std::size_t>(n);

        const char* line = input.get();
        const char* const end = input.get() + filled;
        while (line != end) {
            const char* newline = static_cast<const char*>(
                std::memchr(line, '\n', static_cast<std::size_t>(end - line)));
            if (newline == nullptr && !atEnd) break;  // wait for the rest of this line
            const char* const lineEnd = newline != nullptr ? newline : end;
            ++lineNumber;

            const char* first = line;
            while (first != lineEnd && IsBlank(*first)) ++first;
            if (first != lineEnd && *first != '#') {
                float values[kNumbersPerLine];
                LineProblem problem;
                if (!ParseLine(first, lineEnd, values, problem)) return reject(Describe(problem));
                if (!output.Append(evaluator.Evaluate(ToSample(values)))) return 1;
            }
            line = newline != nullptr ? newline + 1 : end;
        }

        const std::size_t rest = static_cast<std::size_t>(end - line);
        if (rest == kInputSize) {
            // A line longer than the whole buffer is no line of ten numbers.
            ++lineNumber;
            return reject("found a line longer than 1 MiB");
        }
        std::memmove(input.get(), line, rest);
        filled = rest;
    }
    return output.Flush() ? 0 : 1;
}

}  // namespace veltrane::tools
