#pragma once

#include <gtest/gtest.h>

#include "support/MainFormRig.h"

class MainFormFixture : public ::testing::Test, public MainFormRig {};
