#include "explore/emoticons.h"
