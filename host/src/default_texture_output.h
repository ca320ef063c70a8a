// The host's default texture output class, known to the class directory by its descriptor.
#pragma once

#include <plugapi.h>

namespace standin {

ClassDesc* DefaultTextureOutputDesc();

}  // namespace standin
