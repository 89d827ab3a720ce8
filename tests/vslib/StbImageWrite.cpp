// The one translation unit that holds the image writer's code.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "StbImageWrite.h"
