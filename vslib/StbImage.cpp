// The one translation unit that holds the header reader's code.
#define STB_IMAGE_IMPLEMENTATION
#include "vslib/StbImage.h"
