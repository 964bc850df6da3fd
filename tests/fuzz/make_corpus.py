#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: valid files, short and long ones, and a file
for each bad value and each boundary of the saved-game and settings formats.

Run from anywhere: python3 tests/fuzz/make_corpus.py (rewrites corpus/save_game/seed-* and
corpus/settings/seed-*; files found by fuzzing keep other names)."""

import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
SIZE = 889


def pool_order_board():
    """Kinds 1..42 at positions 1..42, then 9..42 three times more (entry 0 empty)."""
    board = [0] + list(range(1, 43))
    for _ in range(3):
        board += list(range(9, 43))
    return board


class Game:
    def __init__(self):
        self.board = pool_order_board()
        self.history = [(0, 0, 0, 0)] * 73
        self.move_index = 1
        self.redo_limit = 1

    def remove(self, a, b):
        m = self.move_index
        self.history[m] = (a, self.board[a], b, self.board[b])
        self.board[a] = self.board[b] = 0
        self.move_index = self.redo_limit = m + 1
        return self

    def undo(self):
        self.move_index -= 1
        a, ka, b, kb = self.history[self.move_index]
        self.board[a], self.board[b] = ka, kb
        return self

    def encode(self):
        out = bytearray(b"PC Kestalon")
        out += struct.pack("<145h", *self.board)
        for record in self.history:
            out += struct.pack("<4h", *record)
        out += struct.pack("<2h", self.move_index, self.redo_limit)
        assert len(out) == SIZE
        return out


def known():
    return Game().remove(1, 4).remove(9, 43).remove(144, 110).undo()


def won():
    g = Game()
    for p in (1, 3, 5, 7):
        g.remove(p, p + 1)
    for p in range(9, 43):
        g.remove(p, p + 34).remove(p + 68, p + 102)
    return g


def put(data, offset, value):
    data = bytearray(data)
    data[offset:offset + 2] = struct.pack("<h", value)
    return data


def board_at(pos):
    return 11 + 2 * pos


def slot_at(m):
    return 301 + 8 * m


def save_game_seeds():
    k = known().encode()
    all_undone = won()
    while all_undone.move_index > 1:
        all_undone.undo()
    # A cut-off line: three moves, two undone, one new move; slot 3 keeps a leftover record.
    leftover = Game().remove(1, 2).remove(9, 43).remove(10, 44).undo().undo().remove(3, 4)
    seeds = {
        "valid-fresh-deal": Game().encode(),
        "valid-known": k,
        "valid-won": won().encode(),
        "valid-all-undone": all_undone.encode(),
        "valid-leftover-record": leftover.encode(),
        "valid-long": k + bytes(range(256)) * 4,
        "short-empty": b"",
        "short-10": k[:10],
        "short-header-only": k[:11],
        "short-888": k[:888],
        "header-lower-case": bytearray(b"pc kestalon") + k[11:],
        "header-one-bit": bytearray(b"PC Kestalom") + k[11:],
        "board-entry0-tile": put(k, board_at(0), 5),
        "board-kind-43": put(k, board_at(2), 43),
        "board-kind-minus1": put(k, board_at(144), -1),
        "board-kind-42-for-2": put(k, board_at(2), 42),
        "move-index-0": put(k, 885, 0),
        "move-index-74": put(put(k, 885, 74), 887, 74),
        "move-index-min": put(k, 885, -32768),
        "move-index-max": put(k, 885, 32767),
        "redo-limit-below": put(k, 887, 2),
        "redo-limit-74": put(k, 887, 74),
        "redo-limit-73": put(k, 887, 73),
        "redo-limit-5": put(k, 887, 5),
        "slot-position-0": put(k, slot_at(1), 0),
        "slot-position-145": put(k, slot_at(3), 145),
        "slot-position-minus1": put(k, slot_at(2) + 4, -1),
        "slot-kind-0": put(k, slot_at(2) + 6, 0),
        "slot-kind-43": put(k, slot_at(2) + 2, 43),
        "slot-repeated-position": put(k, slot_at(2), 1),
        "slot-same-position-twice": put(k, slot_at(2) + 4, 9),
        "slot-kinds-mismatch": put(k, slot_at(1) + 6, 5),
        "board-extra-tile": put(k, board_at(1), 1),
        "board-missing-tile": put(k, board_at(2), 0),
        "move-in-force-over-tile": put(put(k, slot_at(1), 2), slot_at(1) + 2, 2),
        "undone-not-in-place": put(k, slot_at(3) + 4, 75),
        "too-many-red-dragons": put(k, board_at(10), 9),
        "two-plums": put(k, board_at(2), 1),
        "all-ff": b"PC Kestalon" + b"\xff" * (SIZE - 11),
        "all-zero": b"PC Kestalon" + b"\x00" * (SIZE - 11),
    }
    return seeds


def settings_seeds():
    h = b"Kesta Opt"
    return {
        "empty": b"",
        "header-8": h[:8],
        "header-only": h,
        "sound-half": h + b"\x00",
        "sound-only": h + b"\x00\x00",
        "large-half": h + b"\xff\xff\xff",
        "on-off": h + b"\xff\xff\x00\x00",
        "off-on": h + b"\x00\x00\xff\xff",
        "one-zero": h + b"\x01\x00\x00\x01",
        "long": h + b"\x00\x00\x00\x00" + b"extra bytes",
        "lower-case": b"kesta opt\xff\xff\xff\xff",
        "save-header": b"PC Kestalon\xff\xff",
    }


def write(folder, seeds):
    path = HERE / "corpus" / folder
    path.mkdir(parents=True, exist_ok=True)
    for old in path.glob("seed-*"):
        old.unlink()
    for name, data in seeds.items():
        (path / ("seed-" + name)).write_bytes(bytes(data))


if __name__ == "__main__":
    write("save_game", save_game_seeds())
    write("settings", settings_seeds())
