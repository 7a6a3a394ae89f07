#include "support/ZipBytes.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace belvane::test {

QByteArray zipOf(const std::vector<ZipEntry>& entries)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeZip(buffer, entries));
    return bytes;
}

} // namespace belvane::test
