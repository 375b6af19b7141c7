#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Bytes kept deflated (zlib at its fastest level, about 200 MB a second), for text that is
// held but seldom read: markup shrinks to a fifth or less.
QByteArray PackBytes(QByteArrayView raw);
// Inflates packed bytes into out, which takes exactly the `size` bytes that were packed. Fails
// only when the memory for inflating runs out, with std::bad_alloc like any allocation.
void UnpackBytes(QByteArrayView packed, char *out, qsizetype size);
