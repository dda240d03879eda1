// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keep/board_document.h"

#include <QString>

#include <optional>

// The file that keeps one board between runs. Every write replaces it whole (QSaveFile)
// under a lock beside it, so two games at once never interleave; the one that writes last
// is the one kept.
class KeptBoardStore {
public:
    // Keeps the board at `filePath`; its folder is made on the first write.
    explicit KeptBoardStore(QString filePath);

    // $XDG_DATA_HOME/sixfold/board.json (normally ~/.local/share/sixfold/board.json).
    static QString defaultFilePath();

    QString filePath() const { return m_filePath; }

    struct Loaded {
        std::optional<BoardState> board; // none when there is no readable board
        QString problem;                    // a sentence for the console when the file could not be used
    };

    // Reads the kept board. A file that cannot be read as a board is renamed to
    // board.json.corrupt-<time> so that it is never overwritten and never read again.
    Loaded load() const;

    // Replaces the kept board; on failure returns false with a sentence in `problem`.
    bool save(const BoardState& board, QString* problem = nullptr) const;

    // Forgets the kept board; true when none is left.
    bool remove(QString* problem = nullptr) const;

private:
    QString m_filePath;
};
