// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a kept board: reading never fails hard, and whatever it reads is written and read back the same.
#include "core/kept_board/board_document.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto board = readBoardDocument(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (board && readBoardDocument(writeBoardDocument(*board)) != board)
        std::abort();
    return 0;
}
