#pragma once

#include <chrono>
#include <functional>
#include <optional>

// Runs body in a child process and gives its exit status (body's result), or nothing when the
// child was still running after limit and had to be killed: a call that hangs fails its test
// instead of hanging the whole run.
std::optional<int> exitOfForked(const std::function<int()>& body,
                                std::chrono::milliseconds limit = std::chrono::seconds(10));
