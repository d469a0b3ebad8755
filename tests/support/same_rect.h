// Rectangles compared in a test, both shown when they differ.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected);
