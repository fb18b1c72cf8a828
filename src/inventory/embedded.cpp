#include "inventory.h"

#include "runtime/runtime.h"

// Generated at build time from Text1.gbk and Text2.gbk (cmake/embed.cmake).
namespace vorlank::inventory::blocks
{
std::string_view text1();
std::string_view text2();
} // namespace vorlank::inventory::blocks

namespace vorlank::inventory
{

std::string_view embeddedText1Gbk()
{
    return blocks::text1();
}

std::string_view embeddedText2Gbk()
{
    return blocks::text2();
}

InventoryTexts embeddedInventory()
{
    return { runtime::decodeGbk(blocks::text1()), runtime::decodeGbk(blocks::text2()) };
}

Bands embeddedBands()
{
    const InventoryTexts texts = embeddedInventory();
    return loadBands(texts.text1, texts.text2);
}

} // namespace vorlank::inventory
