#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

// Runs each test with the local time zone set to UTC, so calendar texts are fixed.
class UtcZone : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* zone = std::getenv("TZ");
        hadZone_ = zone != nullptr;
        saved_ = hadZone_ ? std::string(zone) : std::string();
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override
    {
        if (hadZone_)
            ::setenv("TZ", saved_.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::string saved_;
    bool hadZone_ = false;
};
