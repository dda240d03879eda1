// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kept_board/board_document.h"

#include <QString>

#include <optional>

// The file that keeps one board between runs. Every write replaces it whole (QSaveFile)
// under a lock beside it, so two games at once never interleave; the one that writes last
// is the one kept. Beside it a record of the boards submitted, one identity a line, lets no
// game write back, resume or score again a board that any game submitted.
class KeptBoardStore {
public:
    // Keeps the board at `filePath`, its folder made on the first write, and the record of
    // submitted boards in that folder; where that cannot be written, at `spareRecordPath`.
    explicit KeptBoardStore(QString filePath, QString spareRecordPath = {});

    // $XDG_DATA_HOME/sixfold/board.json (normally ~/.local/share/sixfold/board.json).
    static QString defaultFilePath();
    // $XDG_CONFIG_HOME/sixfold/submitted-boards, for a data folder the game cannot write.
    static QString defaultSpareRecordPath();

    QString filePath() const { return m_filePath; }

    struct Loaded {
        std::optional<BoardState> board; // none when there is no readable board
        QString problem;                    // a sentence for the console when the file could not be used
    };

    // Reads the kept board; a submitted one is none, and is removed. A file that cannot be
    // read as a board is renamed to board.json.corrupt-<time> so that it is never
    // overwritten and never read again; one that cannot be read at all, or is no regular
    // file, is left as it is.
    Loaded load() const;

    enum class Outcome { Done, Failed, Submitted };

    // Replaces the kept board, leaving the old file whole when any step fails (Failed, with a
    // sentence in `problem`). Never writes over a file it cannot read, nor keeps a board that
    // a game submitted (Submitted).
    Outcome save(const BoardState& board, QString* problem = nullptr) const;

    // The board of this identity is being submitted: remembered as submitted, and removed
    // from the file when the file holds it. Submitted when a game submitted it before, so
    // that it is not scored again; `problem` says why it could not be removed.
    Outcome submit(const QString& identity, QString* problem = nullptr) const;

    bool isSubmitted(const QString& identity) const;

    // Forgets the kept board when it is the one of this identity (another game's stays);
    // true when the file no longer holds it.
    bool remove(const QString& identity, QString* problem = nullptr) const;

private:
    QString recordPath() const;

    QString m_filePath;
    QString m_spareRecordPath;
};
