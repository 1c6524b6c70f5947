#include "platform/headless/memory_picture_surface.h"

#include "tests/support/picture_surface_contract.h"

namespace palvo {
namespace {

struct MemoryMaker {
    static std::unique_ptr<PictureSurface> Make(std::int32_t width, std::int32_t height,
                                                std::int32_t backColor)
    {
        return std::make_unique<MemoryPictureSurface>(width, height, backColor,
                                                      MemoryPictureSurface::ReadBmpPicture);
    }
};

}  // namespace

namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, PictureSurfaceContract, MemoryMaker);
}  // namespace contract

}  // namespace palvo
