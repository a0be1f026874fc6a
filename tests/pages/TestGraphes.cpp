#include "pages/GraphesBulletin.h"

#include <gtest/gtest.h>
