// Loads a module through the stand-in loader; a failure names the loader's reason.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <standin/module_loader.h>

inline std::unique_ptr<standin::Module> LoadOrFail(const std::string& path) {
    std::string error;
    auto module = standin::Module::Load(path, &error);
    EXPECT_TRUE(module) << path << ": " << error;
    return module;
}
