// The `eval --batch` stream: any bytes as standard input. The loop must finish with status 0
// (every line was ten numbers, a blank or a comment) or 2 (a line that was not), never 1,
// which means a failed read or write.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/fuzz_check.h"
#include "tools/veltrane/batch_eval.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::FILE* const nowhere = std::fopen("/dev/null", "w");
    static const int outFd = ::open("/dev/null", O_WRONLY);
    FUZZ_CHECK(nowhere != nullptr && outFd >= 0);

    const int inFd = ::memfd_create("batch-input", 0);
    FUZZ_CHECK(inFd >= 0);
    FUZZ_CHECK(::write(inFd, data, size) == static_cast<ssize_t>(size));
    FUZZ_CHECK(::lseek(inFd, 0, SEEK_SET) == 0);

    veltrane::tools::CoreEvaluator evaluator;
    const int status = veltrane::tools::RunBatch(inFd, outFd, nowhere, evaluator);
    ::close(inFd);
    FUZZ_CHECK(status == 0 || status == 2);
    return 0;
}
