// The YAML walk of a database file: its top-level map, the DATA list and each entry's type
// and data, handed to the blocks' checks.
#include "tools/metals/nk_file.h"

#include <yaml-cpp/yaml.h>

#include <exception>
#include <string>

namespace veltrane::tools {
namespace {

std::string ScalarOf(const YAML::Node& node) {
    return node && node.IsScalar() ? node.Scalar() : std::string();
}

NkBlock BlockOf(const YAML::Node& entry) {
    NkBlock block;
    block.isMap = entry.IsMap();
    if (!block.isMap) return block;
    block.type = ScalarOf(entry["type"]);
    const YAML::Node text = entry["data"];
    if (text && text.IsScalar()) block.data = text.Scalar();
    return block;
}

NkStructure StructureOf(const YAML::Node& root) {
    NkStructure file;
    file.topLevelMap = root.IsMap();
    if (!file.topLevelMap) return file;
    const YAML::Node data = root["DATA"];
    if (!data || !data.IsSequence()) return file;
    file.data.emplace();
    for (std::size_t i = 0; i < data.size(); ++i) file.data->push_back(BlockOf(data[i]));
    return file;
}

}  // namespace

NkParse ParseNkFile(std::string_view text, std::string_view fileName) {
    const std::string prefix = std::string(fileName) + ": ";
    try {
        return TableFromBlocks(StructureOf(YAML::Load(std::string(text))), fileName);
    } catch (const YAML::Exception& e) {
        const std::string where = e.mark.is_null()
                                      ? std::string()
                                      : "line " + std::to_string(e.mark.line + 1) + ", column " +
                                            std::to_string(e.mark.column + 1) + ": ";
        NkParse result;
        result.error = prefix + "not valid YAML (" + where + e.msg + ")";
        return result;
    } catch (const std::exception& e) {
        NkParse result;
        result.error = prefix + "cannot be read (" + e.what() + ")";
        return result;
    }
}

}  // namespace veltrane::tools
