// The store builds this index (corpus/word_index.h); the counting tools reach it
// under this name too.
#pragma once

#include "corpus/word_index.h"
