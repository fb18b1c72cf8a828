#include "inventory.h"

#include "runtime/runtime.h"

#include <QResource>

namespace vorlank::inventory
{

namespace
{
QString decodeResource(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid())
        throw InventoryError("inventory block missing from the program: " + path.toStdString());
    return runtime::decodeGbk(resource.uncompressedData());
}
} // namespace

InventoryTexts embeddedInventory()
{
    return { decodeResource(QStringLiteral(":/inventory/Text1.gbk")),
        decodeResource(QStringLiteral(":/inventory/Text2.gbk")) };
}

} // namespace vorlank::inventory
