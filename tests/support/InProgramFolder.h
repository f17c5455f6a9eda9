#pragma once

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

// Runs each test inside a fresh program folder, the working directory.
class InProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    TempDir dir_;
    std::filesystem::path previous_;
};
