#include "resources/EmbeddedResources.h"

#include "resources/EmbeddedResourceTable.h"

std::span<const EmbeddedResource> AllEmbeddedResources()
{
    return {kEmbeddedResources, kEmbeddedResourceCount};
}

std::optional<std::span<const unsigned char>> FindEmbeddedResource(int id, std::string_view type)
{
    for (const EmbeddedResource& resource : AllEmbeddedResources()) {
        if (resource.nID == id && resource.strType == type) {
            return resource.bytes;
        }
    }
    return std::nullopt;
}
