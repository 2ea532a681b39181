// Every test of this program listens to a sink of its own (see PrivateSink).
#include "PrivateSink.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class PrivateSinkEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_sink = std::make_unique<PrivateSink>(); }
    void TearDown() override { m_sink.reset(); }

private:
    std::unique_ptr<PrivateSink> m_sink;
};

// Google Test owns and deletes registered environments.
[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new PrivateSinkEnvironment);

} // namespace
