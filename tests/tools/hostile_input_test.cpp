// Hostile command lines and files for every veltrane command: empty values, binary bytes,
// huge numbers, NaN text, over-long values and lines, missing files, directories, named
// pipes, unwritable outputs. Each row says what the command must do: refuse bad input with
// one line naming the value and status 2 (a failed read or write of a standard stream: 1),
// write nothing to standard output, leave no output file behind, and never crash or hang.
//
// To cover a new command, add its rows to the table in Rows(). Arguments may use these
// placeholders, replaced by paths in a scratch folder made for the run:
//   {missing}    a file that does not exist       {dir}      a directory
//   {empty}      an empty file                    {binary}   4 KiB of random bytes
//   {text}       a text file of three words       {fifo}     a named pipe nobody writes
//   {out}        a fresh output path              {unwritable}  an output path under a file
//   {linebreak}  a database file whose block type holds a line break
// After every row the scratch folder must hold only these fixtures.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/tools/tool_runner.h"

namespace veltrane::tools {
namespace {

namespace fs = std::filesystem;

struct Row {
    const char* what;
    std::vector<std::string> args;
    int status;         // 2 for bad input, 1 for a failed read or write, 0 for accepted input
    std::string names;  // what the one-line message must contain (placeholders allowed)
    std::string input;  // standard input
    ToolStreams streams;
};

using Args = std::vector<std::string>;

Row Refused(const char* what, Args args, std::string names, std::string input = "") {
    return {what, std::move(args), 2, std::move(names), std::move(input), {}};
}

Row Accepted(const char* what, Args args, std::string input = "") {
    return {what, std::move(args), 0, "", std::move(input), {}};
}

// A standard stream that cannot be read or written: status 1, as for any failed read or write.
Row StreamFails(const char* what, Args args, std::string names, std::string input,
                ToolStreams streams) {
    return {what, std::move(args), 1, std::move(names), std::move(input), std::move(streams)};
}

const ToolStreams kFullDisk = {"", "/dev/full"};
const std::string kGoodLine = "0.27 0.98 1.22 3.61 2.37 2.29 1 0 0 1\n";

std::string Repeat(const std::string& word, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += (i ? " " : "") + word;
    return out + "\n";
}

Args ViaModule(const std::string& module) {
    return {"eval", "--via-plugin", "--module", module, "--preset", "gold", "--mu", "1"};
}

std::vector<Row> Rows() {
    const std::string longWord(100000, 'x');
    return {
        // ---- eval
        Refused("an empty hue", {"eval", "--preset", "copper", "--mu", "1", "--hue", ""},
                "--hue: ''"),
        Refused("an empty facing value", {"eval", "--preset", "copper", "--mu", ""}, "--mu: ''"),
        Refused("an empty preset", {"eval", "--preset", "", "--mu", "1"}, "--preset: ''"),
        Refused("an empty index", {"eval", "--n", "", "--k", "1,2,3", "--mu", "1"}, "--n: ''"),
        Refused("NaN text that is no number", {"eval", "--preset", "gold", "--mu", "NaN%"},
                "'NaN%'"),
        Accepted("nan itself is a number", {"eval", "--preset", "gold", "--mu", "nan"}),
        Accepted("a huge exponent is infinity", {"eval", "--preset", "gold", "--mu", "1e99999"}),
        Accepted("five thousand digits",
                 {"eval", "--preset", "gold", "--mu", std::string(5000, '9')}),
        Refused("an over-long preset", {"eval", "--preset", longWord, "--mu", "1"},
                "unknown preset '" + longWord.substr(0, 40) + "...'"),
        Refused("control bytes in a value", {"eval", "--preset", "gold", "--mu", "1\n\x01\xff"},
                "--mu: '1\\x0A\\x01\xff'"),
        Refused("two numbers for three", {"eval", "--n", "1,2", "--k", "1,2,3", "--mu", "1"},
                "--n: '1,2' is not three numbers"),
        Refused("an unknown option", {"eval", "--bogus"}, "'--bogus'"),
        Refused("a missing module", ViaModule("{missing}"), "'{missing}': no such file"),
        Refused("a directory as module", ViaModule("{dir}"), "'{dir}': not a regular file"),
        Refused("random bytes as module", ViaModule("{binary}"),
                "'{binary}': not a loadable module"),
        StreamFails("a full disk", {"eval", "--preset", "gold", "--mu", "1"},
                    "cannot write the output", "", kFullDisk),

        // ---- eval --batch
        Accepted("no input at all", {"eval", "--batch"}),
        Refused("binary input", {"eval", "--batch"},
                "line 1: expected 10 numbers, '\\x00\\x01\xfe\xff'",
                std::string("\x00\x01\xfe\xff 1 2\n", 10)),
        Refused("NaN text", {"eval", "--batch"}, "'NaN%' (number 1) is not a number",
                Repeat("NaN%", 10)),
        Accepted("nan and infinities", {"eval", "--batch"}, Repeat("nan", 10) + Repeat("-inf", 10)),
        Accepted("huge numbers", {"eval", "--batch"}, Repeat("1e99999", 10)),
        Refused("a line of 2 MiB", {"eval", "--batch"},
                "line 1: expected 10 numbers, found a line longer than 1 MiB",
                std::string(2u << 20, '1')),
        StreamFails("a directory as input", {"eval", "--batch"}, "cannot read the input", "",
                    {"{dir}", ""}),
        StreamFails("a full disk", {"eval", "--batch"}, "cannot write the output", kGoodLine,
                    kFullDisk),
        Refused("a sample option with --batch", {"eval", "--batch", "--mu", "1"}, "excludes"),

        // ---- plugin-info
        Refused("a missing module", {"plugin-info", "{missing}"}, "'{missing}': no such file"),
        Refused("an empty path", {"plugin-info", ""}, "'': no such file"),
        Refused("a directory", {"plugin-info", "{dir}"}, "'{dir}': not a regular file"),
        Refused("a named pipe", {"plugin-info", "{fifo}"}, "'{fifo}': not a regular file"),
        Refused("an empty file", {"plugin-info", "{empty}"}, "'{empty}': not a loadable module"),
        Refused("random bytes", {"plugin-info", "{binary}"}, "'{binary}': not a loadable module"),
        Refused("text", {"plugin-info", "{text}"}, "'{text}': not a loadable module"),
        Refused("a line break in the name", {"plugin-info", "{dir}/a\nb"}, "'{dir}/a\\x0Ab'"),
        Refused("two modules", {"plugin-info", "{text}", "{empty}"},
                "unexpected argument '{empty}'"),
        StreamFails("a full disk", {"plugin-info"}, "cannot write the output", "", kFullDisk),

        // ---- preview
        Refused("a huge size", {"preview", "--size", "1e99999", "-o", "{out}.png"},
                "--size: '1e99999'"),
        Refused("NaN text as threads", {"preview", "--threads", "NaN%", "-o", "{out}.png"},
                "--threads: 'NaN%'"),
        Refused("nan as an index", {"preview", "--n", "nan,1,1", "--k", "1,1,1", "-o", "{out}.png"},
                "--n: 'nan,1,1' has nan"),
        Refused("a directory as output", {"preview", "-o", "{dir}"}, "'{dir}'"),
        Refused("an unwritable output", {"preview", "-o", "{unwritable}.png"},
                "'{unwritable}.png'"),
        Refused("random bytes as module", {"preview", "--module", "{binary}", "-o", "{out}.png"},
                "'{binary}': not a loadable module"),

        // ---- curves
        Refused("nan as an index", {"curves", "--n", "nan,1,1", "--k", "1,1,1", "-o", "{out}.svg"},
                "--n: 'nan,1,1' has nan out of range"),
        Refused("a huge index", {"curves", "--n", "1,1,1", "--k", "1e999,1,1"},
                "--k: '1e999,1,1' has 1e999 out of range"),
        Refused("a negative index", {"curves", "--n", "-1,1,1", "--k", "1,1,1"},
                "--n: '-1,1,1' has -1 out of range"),
        Refused("an over-long model", {"curves", "--preset", "gold", "--model", longWord},
                "--model: '" + longWord.substr(0, 40) + "...'"),
        Refused("a directory as output", {"curves", "--preset", "gold", "-o", "{dir}"}, "'{dir}'"),
        Refused("an unwritable output", {"curves", "--preset", "gold", "-o", "{unwritable}.svg"},
                "'{unwritable}.svg'"),
        Refused("random bytes as data", {"curves", "--spectral", "{binary}", "-o", "{out}.svg"},
                "{binary}: not valid YAML"),
        Refused("a directory as data", {"curves", "--spectral", "{dir}"}, "{dir}: cannot be read"),

        // ---- nk
        Refused("a missing file", {"nk", "{missing}"}, "{missing}: cannot be opened"),
        Refused("a directory", {"nk", "{dir}"}, "{dir}: cannot be read"),
        Refused("an empty file", {"nk", "{empty}"}, "{empty}: not a database file"),
        Refused("random bytes", {"nk", "{binary}"}, "{binary}: not valid YAML"),
        Refused("a line break in a block type", {"nk", "{linebreak}"},
                "(tabulated\\x0Ank) is not supported"),
        Refused("nan as f0", {"nk", "--f0", "nan,1,1", "--edge", "1,1,1"},
                "--f0: 'nan,1,1' has nan out of range"),
        Refused("a huge edge", {"nk", "--f0", "1,1,1", "--edge", "1,1,1e99999"},
                "--edge: '1,1,1e99999' has 1e99999 out of range"),
        Refused("NaN text to convert", {"nk", "--n", "NaN%,1,1", "--k", "1,1,1", "--to-artist"},
                "--n: 'NaN%,1,1' is not three numbers"),
        StreamFails("a full disk", {"nk", "--preset", "gold"}, "cannot write the output", "",
                    kFullDisk),

        // ---- presets
        Refused("an over-long format", {"presets", "--format", longWord},
                "--format: '" + longWord.substr(0, 40) + "...'"),
        Refused("a file as data folder", {"presets", "--data", "{text}"}, "'{text}' holds no"),
        StreamFails("a full disk", {"presets"}, "cannot write the output", "", kFullDisk),

        // ---- convert
        Refused("a directory", {"convert", "{dir}", "--to", "openpbr"}, "{dir}: cannot be read"),
        Refused("random bytes", {"convert", "{binary}", "--to", "openpbr"},
                "{binary}: not valid YAML"),
        Refused("nan as a colour",
                {"convert", "--from", "openpbr", "--base-color", "1,1,nan", "--specular-color",
                 "1,1,1"},
                "--base-color: '1,1,nan' has nan out of range"),
        Refused("an over-long model", {"convert", "--preset", "gold", "--to", longWord},
                "--to: '" + longWord.substr(0, 40) + "...'"),
        StreamFails("a full disk", {"convert", "--preset", "copper", "--to", "openpbr"},
                    "cannot write the output", "", kFullDisk),
    };
}

class Scratch {
  public:
    Scratch()
        : root(fs::temp_directory_path() / ("veltrane-hostile-" + std::to_string(::getpid()))) {
        fs::remove_all(root);
        fs::create_directories(root / "dir");
        std::ofstream(root / "empty");
        std::ofstream(root / "text") << "not a module\n";
        std::mt19937 rng(4242);
        std::string bytes(4096, '\0');
        for (char& c : bytes) c = static_cast<char>(rng() & 0xff);
        std::ofstream(root / "binary", std::ios::binary) << bytes;
        ::mkfifo((root / "fifo").c_str(), 0600);
        std::ofstream(root / "linebreak.yml")
            << "DATA:\n  - type: \"tabulated\\nnk\"\n    data: \"0.5 1 2\"\n";
        fixtures = Contents();
    }
    ~Scratch() { fs::remove_all(root); }

    std::string Expand(std::string text) const {
        const std::pair<const char*, fs::path> names[] = {
            {"{missing}", root / "missing"},
            {"{dir}", root / "dir"},
            {"{empty}", root / "empty"},
            {"{binary}", root / "binary"},
            {"{text}", root / "text"},
            {"{fifo}", root / "fifo"},
            {"{out}", root / "out"},
            {"{unwritable}", root / "text" / "out"},
            {"{linebreak}", root / "linebreak.yml"},
        };
        for (const auto& [name, path] : names) {
            for (std::size_t at; (at = text.find(name)) != std::string::npos;) {
                text.replace(at, std::string(name).size(), path.string());
            }
        }
        return text;
    }

    std::set<std::string> Contents() const {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            names.insert(entry.path().string());
        }
        return names;
    }

    fs::path root;
    std::set<std::string> fixtures;
};

TEST(HostileInput, EveryCommandRefusesCleanly) {
    Scratch scratch;
    for (const Row& row : Rows()) {
        std::vector<std::string> args;
        for (const std::string& arg : row.args) args.push_back(scratch.Expand(arg));
        SCOPED_TRACE(testing::Message() << args[0] << ": " << row.what);
        ToolStreams streams = row.streams;
        streams.stdinPath = scratch.Expand(streams.stdinPath);

        const ToolRun run = RunTool(args, row.input, streams);
        EXPECT_EQ(run.status, row.status) << run.err;
        if (row.status == 0) {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_EQ(run.out, "") << "partial output";
            ASSERT_FALSE(run.err.empty());
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
            EXPECT_NE(run.err.find(scratch.Expand(row.names)), std::string::npos) << run.err;
        }
        EXPECT_EQ(scratch.Contents(), scratch.fixtures) << "a file was left behind";
    }
}

}  // namespace
}  // namespace veltrane::tools
