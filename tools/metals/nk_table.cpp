// The database's DATA blocks: each has a "type" and, for tabulated types, "data": a literal
// text of rows of numbers.
#include "tools/metals/nk_table.h"

#include <algorithm>
#include <cstdio>

#include "tools/metals/finite_number.h"

namespace veltrane::tools {
namespace {

// A refusal inside the checks; TableFromBlocks turns it into the message.
struct Refusal {
    std::string what;
};

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", pos);
        if (start == std::string_view::npos) break;
        std::size_t end = line.find_first_of(" \t\r", start);
        if (end == std::string_view::npos) end = line.size();
        fields.push_back(line.substr(start, end - start));
        pos = end;
    }
    return fields;
}

// The rows of a data text, each with `columns` numbers: wavelength, then the values.
std::vector<std::vector<double>> Rows(const std::string& data, std::size_t columns,
                                      const std::string& block) {
    std::vector<std::vector<double>> rows;
    std::size_t lineStart = 0;
    for (int lineNo = 1; lineStart <= data.size(); ++lineNo) {
        std::size_t lineEnd = data.find('\n', lineStart);
        if (lineEnd == std::string::npos) lineEnd = data.size();
        const std::string_view line(data.data() + lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        const std::vector<std::string_view> fields = Fields(line);
        if (fields.empty()) continue;
        const std::string where = block + ", data line " + std::to_string(lineNo);
        if (fields.size() != columns) {
            throw Refusal{where + ": expected " + std::to_string(columns) + " numbers, found '" +
                          Trim(line) + "'"};
        }
        std::vector<double> row;
        for (std::string_view field : fields) {
            const auto value = FiniteNumber(field);
            if (!value) throw Refusal{where + ": '" + std::string(field) + "' is not a number"};
            row.push_back(*value);
        }
        if (row[0] <= 0.0) throw Refusal{where + ": the wavelength must be positive"};
        if (std::any_of(row.begin() + 1, row.end(), [](double v) { return v < 0.0; })) {
            throw Refusal{where + ": n and k must not be negative"};
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) throw Refusal{block + " has no data rows"};
    return rows;
}

std::vector<NkSample> Column(const std::vector<std::vector<double>>& rows, std::size_t column) {
    std::vector<NkSample> curve;
    for (const auto& row : rows) curve.push_back({row[0], row[column]});
    std::stable_sort(curve.begin(), curve.end(), [](const NkSample& a, const NkSample& b) {
        return a.wavelength < b.wavelength;
    });
    return curve;
}

// Records a curve for n or k; a second one is refused.
void Take(std::optional<std::vector<NkSample>>& slot, std::vector<NkSample> curve,
          const char* quantity, const std::string& block) {
    if (slot) throw Refusal{block + " gives " + quantity + " a second time"};
    slot = std::move(curve);
}

NkTable ReadTable(const NkStructure& file) {
    if (!file.topLevelMap) throw Refusal{"not a database file (the top level is not a map)"};
    if (!file.data) throw Refusal{"no DATA list"};
    std::optional<std::vector<NkSample>> n, k;
    for (std::size_t i = 0; i < file.data->size(); ++i) {
        const std::string block = "DATA block " + std::to_string(i + 1);
        const NkBlock& entry = (*file.data)[i];
        if (!entry.isMap) throw Refusal{block + " is not a map"};
        const std::string type = Trim(entry.type);
        if (type.empty()) throw Refusal{block + " has no type"};
        const std::string named = block + " (" + type + ")";
        if (type.rfind("formula", 0) == 0) {
            throw Refusal{named + " is a dispersion formula; only tabulated n and k are read"};
        }
        std::size_t columns = 0;
        if (type == "tabulated nk") {
            columns = 3;
        } else if (type == "tabulated n" || type == "tabulated k") {
            columns = 2;
        } else {
            throw Refusal{named +
                          " is not supported (valid: tabulated nk, tabulated n, tabulated k)"};
        }
        if (!entry.data) throw Refusal{named + " has no data text"};
        const auto rows = Rows(*entry.data, columns, named);
        if (type != "tabulated k") Take(n, Column(rows, 1), "n", named);
        if (type != "tabulated n") Take(k, Column(rows, columns - 1), "k", named);
    }
    if (!n) throw Refusal{"no tabulated n"};
    if (!k) throw Refusal{"no tabulated k"};
    return {std::move(*n), std::move(*k)};
}

}  // namespace

NkParse TableFromBlocks(const NkStructure& file, std::string_view fileName) {
    NkParse result;
    try {
        result.table = ReadTable(file);
    } catch (const Refusal& refusal) {
        result.error = std::string(fileName) + ": " + refusal.what;
    }
    return result;
}

std::optional<double> Interpolate(const std::vector<NkSample>& curve, double wavelength) {
    if (curve.empty() ||
        !(wavelength >= curve.front().wavelength && wavelength <= curve.back().wavelength)) {
        return std::nullopt;
    }
    const auto above =
        std::lower_bound(curve.begin(), curve.end(), wavelength,
                         [](const NkSample& s, double w) { return s.wavelength < w; });
    if (above->wavelength == wavelength) return above->value;
    const NkSample& lo = *(above - 1);
    const NkSample& hi = *above;
    const double t = (wavelength - lo.wavelength) / (hi.wavelength - lo.wavelength);
    return lo.value + t * (hi.value - lo.value);
}

std::string CurveRange(const std::vector<NkSample>& curve) {
    if (curve.empty()) return "no data";
    char text[64];
    std::snprintf(text, sizeof text, "%g to %g um", curve.front().wavelength,
                  curve.back().wavelength);
    return text;
}

}  // namespace veltrane::tools
