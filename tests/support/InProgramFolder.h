#pragma once

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QString>

#include <filesystem>
#include <string>

// Runs each test inside a fresh program folder, the working directory, with a fresh folder outside it.
class InProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    QString Outside(const std::string& name) const { return QString::fromStdString(outside_.File(name)); }

    TempDir dir_;
    TempDir outside_;
    std::filesystem::path previous_;
};
