#pragma once

// What every folder's tests share: a temporary folder of each test's own, and checks that an
// action fails with a given text.

#include "test_support/failure.h"
#include "test_support/temp_folder.h"
