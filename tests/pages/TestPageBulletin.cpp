#include "pages/PageBulletin.h"

#include <gtest/gtest.h>
