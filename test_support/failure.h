#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace test_support {

// The what() of the exception of type E that `action` throws, or none when it throws nothing.
// An exception of another type goes on to the test.
template <class E = std::exception, class Action>
std::optional<std::string> FailureOf(Action&& action) {
  try {
    action();
  } catch (const E& e) {
    return std::string(e.what());
  }
  return std::nullopt;
}

// Passes when `action` throws an exception of type E whose what() is exactly `text`:
//   EXPECT_TRUE(test_support::FailsWith<files::Error>([&] { ReadFileBytes(p); }, "Could not..."));
template <class E = std::exception, class Action>
::testing::AssertionResult FailsWith(Action&& action, std::string_view text) {
  const std::optional<std::string> failure = FailureOf<E>(action);
  if (!failure) return ::testing::AssertionFailure() << "no failure; expected \"" << text << "\"";
  if (*failure != text) {
    return ::testing::AssertionFailure()
           << "failed with \"" << *failure << "\"; expected \"" << text << "\"";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace test_support
