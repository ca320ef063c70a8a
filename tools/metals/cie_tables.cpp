// Reading the CIE observer and D65 CSV files onto one grid, with every malformed row refused.
#include "tools/metals/cie_tables.h"

#include "tools/metals/finite_number.h"

namespace veltrane::tools {
namespace {

struct Refusal {
    std::string what;
};

std::optional<double> Number(std::string_view field) {
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
        field.remove_prefix(1);
    while (!field.empty() &&
           (field.back() == ' ' || field.back() == '\t' || field.back() == '\r')) {
        field.remove_suffix(1);
    }
    return FiniteNumber(field);
}

// The data rows of a table with `columns` numbers each: wavelength first, then the values.
std::vector<std::vector<double>> Rows(std::string_view text, std::size_t columns,
                                      std::string_view name) {
    std::vector<std::vector<double>> rows;
    bool header = false;
    int lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const std::string where = std::string(name) + ", line " + std::to_string(lineNo);
        if (!header) {  // "lambda_nm,..."
            header = true;
            if (line.rfind("lambda_nm", 0) != 0) throw Refusal{where + ": expected the header"};
            continue;
        }
        std::vector<double> row;
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = line.find(',', start);
            const auto value = Number(line.substr(start, comma - start));
            if (!value || *value < 0.0) {
                throw Refusal{where + ": '" + std::string(line) +
                              "' is not a row of non-negative numbers"};
            }
            row.push_back(*value);
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        if (row.size() != columns) {
            throw Refusal{where + ": expected " + std::to_string(columns) + " numbers"};
        }
        const double expected = kCieFirstNm + kCieStepNm * static_cast<double>(rows.size());
        if (row[0] != expected) {
            throw Refusal{where + ": wavelength " + std::to_string(row[0]) + " where " +
                          std::to_string(static_cast<int>(expected)) + " nm was expected"};
        }
        rows.push_back(std::move(row));
    }
    if (rows.size() != kCieRows) {
        throw Refusal{std::string(name) + ": " + std::to_string(rows.size()) + " rows (expected " +
                      std::to_string(kCieRows) + ", " + std::to_string(kCieFirstNm) + " to " +
                      std::to_string(kCieLastNm) + " nm every " + std::to_string(kCieStepNm) +
                      " nm)"};
    }
    return rows;
}

}  // namespace

CieParse ParseCieTables(std::string_view observerText, std::string_view observerName,
                        std::string_view illuminantText, std::string_view illuminantName) {
    CieParse result;
    try {
        const auto observer = Rows(observerText, 4, observerName);
        const auto illuminant = Rows(illuminantText, 2, illuminantName);
        CieTables t;
        for (std::size_t i = 0; i < kCieRows; ++i) {
            t.wavelengthNm.push_back(observer[i][0]);
            t.xbar.push_back(observer[i][1]);
            t.ybar.push_back(observer[i][2]);
            t.zbar.push_back(observer[i][3]);
            t.d65.push_back(illuminant[i][1]);
        }
        result.tables = std::move(t);
    } catch (const Refusal& refusal) {
        result.error = refusal.what;
    }
    return result;
}

}  // namespace veltrane::tools
