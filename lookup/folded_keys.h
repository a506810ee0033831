// The store builds this index (corpus/folded_keys.h); the counting tools reach it
// under this name too.
#pragma once

#include "corpus/folded_keys.h"
