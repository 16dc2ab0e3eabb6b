#pragma once
// The table that the build generates from the files under resources/ (see
// EmbedResources.cmake). Only EmbeddedResources.cpp reads it.
#include <cstddef>

#include "resources/EmbeddedResources.h"

extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;
