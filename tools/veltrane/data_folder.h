// The folder of data files the tools read (the CIE tables, measured metal files), and the
// CIE tables from it.
#pragma once

#include <optional>
#include <string>

#include "tools/metals/cie_tables.h"

namespace veltrane::tools {

/// The environment variable that names the data folder.
constexpr const char* kDataEnvironment = "VELTRANE_DATA";

/// The data folder: the option's value (--data) if given, else $VELTRANE_DATA if set, else
/// share/veltrane/data beside the installed command, else the source tree's data folder.
/// A folder named by the option or the variable must hold the CIE tables; if none is
/// found, a UsageError says where the search looked and how to name the folder.
std::string FindDataFolder(const std::string& option);

/// Like FindDataFolder, but nothing where no folder holds the tables and none was named.
std::optional<std::string> FindDataFolderIfAny(const std::string& option);

/// The CIE tables of a data folder; a missing or malformed table is a UsageError naming it.
CieTables LoadCieTables(const std::string& folder);

}  // namespace veltrane::tools
