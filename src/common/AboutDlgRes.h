// Resource ids of the about box (template 100).
#pragma once

#include "res/resource.h"

#define IDD_ABOUTBOX            100
