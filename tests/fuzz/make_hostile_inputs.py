#!/usr/bin/env python3
"""Writes the hostile history files and archives kept in tests/fuzz/regressions/ and the
current-format history seeds in tests/fuzz/seeds/history-file/.

Run it from anywhere: python3 tests/fuzz/make_hostile_inputs.py [--scale N]
The files are small on purpose: each shows its fault at a few hundred KB. --scale N makes the
amplifying older history files N times longer (their overflow chain and their cells), for
probing by hand; the committed files are written with the default scale 1.
"""

import argparse
import io
import os
import random
import sqlite3
import struct
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
SEEDS = os.path.join(HERE, "seeds")
REGRESSIONS = os.path.join(HERE, "regressions")

APPLICATION_ID = 0x56544248
SCHEMA = (
    "CREATE TABLE tblReturnHistory (ReturnIndex integer primary key, ReturnDate char(20), "
    "ReturnTime char(20),ST1TotalReceipts char(20),ST1Deductions char(20),"
    "ST1TaxableReceipts char(20),ST1PaymentDue char(20),ReturnData blob);"
    "CREATE TABLE DataBaseVersion(Version char(20));"
    "INSERT INTO DataBaseVersion values ('1');"
)
COLUMNS = ("ReturnIndex integer primary key, ReturnDate char(20), ReturnTime char(20), "
           "ST1TotalReceipts char(20), ST1Deductions char(20), ST1TaxableReceipts char(20), "
           "ST1PaymentDue char(20)")
INSERT = ("insert into tblReturnHistory (ReturnDate, ReturnTime, ST1TotalReceipts, "
          "ST1Deductions, ST1TaxableReceipts, ST1PaymentDue, ReturnData) "
          "values ('3-5-2005', '2:7 PM', '48,250', '3,120', '45,130', '2,821', ?)")


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def page_bytes(number, size=3000):
    rng = random.Random(number)
    head = b"\x01\x00\x00\x00 EMF page " + str(number).encode()
    body = bytes(rng.randrange(256) if rng.randrange(8) == 0 else 97 + number % 26
                 for _ in range(size - len(head)))
    return head + body


def zip_of(entries, compression=zipfile.ZIP_DEFLATED):
    """A zip archive of (name, bytes) or (ZipInfo, bytes) pairs, names taken as they are."""
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", compression) as archive:
        for name, data in entries:
            if isinstance(name, str):
                name = zipfile.ZipInfo(name, date_time=(2005, 3, 5, 14, 7, 0))
                name.compress_type = compression
            archive.writestr(name, data)
    return buffer.getvalue()


def unix_entry(name, mode):
    info = zipfile.ZipInfo(name, date_time=(2005, 3, 5, 14, 7, 0))
    info.create_system = 3
    info.external_attr = mode << 16
    return info


def with_stated_size(archive, stated):
    """The archive with the first entry's stated size replaced in both of its headers."""
    data = bytearray(archive)
    local = data.find(b"PK\x03\x04")
    struct.pack_into("<I", data, local + 22, stated)
    central = data.find(b"PK\x01\x02")
    struct.pack_into("<I", data, central + 24, stated)
    return bytes(data)


def with_flag(archive, flag):
    data = bytearray(archive)
    local = data.find(b"PK\x03\x04")
    central = data.find(b"PK\x01\x02")
    struct.pack_into("<H", data, local + 6, struct.unpack_from("<H", data, local + 6)[0] | flag)
    struct.pack_into("<H", data, central + 8,
                     struct.unpack_from("<H", data, central + 8)[0] | flag)
    return bytes(data)


def good_pages():
    return zip_of([("EMF%d.tmp" % n, page_bytes(n)) for n in (1, 2)])


# ---- archives: what both users of the unpacker must refuse -------------------------------

def hostile_archives():
    good = ("EMF1.tmp", page_bytes(1))
    zeros = zip_of([("EMF2.tmp", bytes(4 << 20))])
    return {
        "name-climbs-out.zip": zip_of([good, ("../../escaped.emf", b"x")]),
        "name-absolute.zip": zip_of([good, ("/tmp/escaped.emf", b"x")]),
        "name-backslash.zip": zip_of([good, ("..\\..\\escaped.emf", b"x")]),
        "name-drive-letter.zip": zip_of([good, ("C:escaped.emf", b"x")]),
        "name-device.zip": zip_of([good, ("pages/NUL.emf", b"x")]),
        "name-trailing-dot.zip": zip_of([good, ("EMF3.tmp.", b"x")]),
        "name-control-character.zip": zip_of([good, ("EMF\x07.tmp", b"x")]),
        "names-differ-in-case.zip": zip_of([good, ("emf1.TMP", b"x")]),
        "file-is-also-folder.zip": zip_of([("lib", b"x"), ("lib/x.so", b"y")]),
        "link-entry.zip": zip_of([good, (unix_entry("EMF4.tmp", 0o120777), b"/etc/passwd")]),
        "fifo-entry.zip": zip_of([good, (unix_entry("EMF5.tmp", 0o010644), b"")]),
        "setuid-program.zip": zip_of([(unix_entry("vantrobe", 0o104755), b"program")]),
        "inflates-beyond-stated-size.zip": with_stated_size(zeros, 1000),
        "states-a-gigabyte.zip": with_stated_size(zeros, 1 << 30),
        "encrypted-entry.zip": with_flag(zip_of([good]), 0x1),
        "no-entries.zip": zip_of([]),
    }


# ---- current-format history files -----------------------------------------------------------

def history_file(statements, rows=(), mark=True):
    """A current-format history file made by running `statements`, then inserting `rows`."""
    path = os.path.join(HERE, ".history-under-construction.rhi")
    if os.path.exists(path):
        os.remove(path)
    db = sqlite3.connect(path)
    db.executescript(statements)
    for archive in rows:
        db.execute(INSERT, (archive,))
    if mark:
        db.execute("PRAGMA application_id = %d" % APPLICATION_ID)
        db.execute("PRAGMA user_version = 1")
    db.commit()
    db.execute("VACUUM")
    db.close()
    with open(path, "rb") as made:
        data = made.read()
    os.remove(path)
    return data


def view_schema(select):
    return ("CREATE TABLE DataBaseVersion(Version char(20));"
            "CREATE VIEW tblReturnHistory AS " + select + ";")


def history_seeds():
    pages = good_pages()
    return {
        "two-returns.rhi": history_file(SCHEMA, [pages, zip_of([("EMF9.tmp", page_bytes(9))])]),
        "inputs-table-beside.rhi": history_file(
            SCHEMA + "CREATE TABLE tblReturnInputs (ReturnIndex integer primary key, Inputs blob);"
            "INSERT INTO tblReturnInputs values (1, x'7b7d');", [pages]),
    }


def hostile_history_files():
    recursive = ("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT i AS "
                 "ReturnIndex, '3-5-2005' AS ReturnDate, '2:7 PM' AS ReturnTime, '1' AS "
                 "ST1TotalReceipts, '0' AS ST1Deductions, '1' AS ST1TaxableReceipts, '0' AS "
                 "ST1PaymentDue, zeroblob(100000) AS ReturnData FROM n")
    gigabyte = ("SELECT 1 AS ReturnIndex, '3-5-2005' AS ReturnDate, '2:7 PM' AS ReturnTime, "
                "'1' AS ST1TotalReceipts, '0' AS ST1Deductions, '1' AS ST1TaxableReceipts, "
                "'0' AS ST1PaymentDue, zeroblob(1000000000) AS ReturnData")
    table = "CREATE TABLE DataBaseVersion(Version char(20));CREATE TABLE tblReturnHistory "
    pages = good_pages()
    return {
        "view-endless.rhi": history_file(view_schema(recursive)),
        "view-gigabyte-blob.rhi": history_file(view_schema(gigabyte)),
        "generated-gigabyte-blob.rhi": history_file(
            table + "(" + COLUMNS + ", ReturnData blob AS (zeroblob(1000000000)) VIRTUAL);"
            "INSERT INTO tblReturnHistory (ReturnDate) values ('3-5-2005');"),
        "column-missing.rhi": history_file(table + "(" + COLUMNS + ");"),
        "column-extra.rhi": history_file(table + "(" + COLUMNS + ", ReturnData blob, x);"),
        "without-row-numbers.rhi": history_file(
            table + "(" + COLUMNS + ", ReturnData blob) WITHOUT ROWID;"),
        "virtual-table.rhi": history_file(
            "CREATE VIRTUAL TABLE tblReturnHistory USING fts5(ReturnIndex, ReturnDate, "
            "ReturnTime, ST1TotalReceipts, ST1Deductions, ST1TaxableReceipts, ST1PaymentDue, "
            "ReturnData);"),
        "archive-climbs-out.rhi": history_file(
            SCHEMA, [zip_of([("EMF1.tmp", page_bytes(1)), ("../../escaped.emf", b"x")])]),
        "archive-inflates-beyond-stated-size.rhi": history_file(
            SCHEMA, [with_stated_size(zip_of([("EMF2.tmp", bytes(4 << 20))]), 1000)]),
        "archive-not-an-archive.rhi": history_file(SCHEMA, [b"PK\x03\x04 not really", pages]),
    }


# ---- older (2.8-format) history files -------------------------------------------------------

PAGE = 1024
LOCAL = 236
OVERFLOW_DATA = PAGE - 4
CELL_BYTES = 12 + LOCAL + 4
CELLS_PER_PAGE = (PAGE - 8) // CELL_BYTES
LEGACY_SQL = (b"CREATE TABLE tblReturnHistory (ReturnIndex integer primary key, ReturnDate "
              b"char(20), ReturnTime char(20),ST1TotalReceipts char(20),ST1Deductions "
              b"char(20),ST1TaxableReceipts char(20),ST1PaymentDue char(20),ReturnData blob)")


def encode_binary(data):
    """The older engine's text-safe encoding of bytes, as the history files hold ReturnData."""
    counts = [0] * 256
    for byte in data:
        counts[byte] += 1
    best, offset = len(data), 0
    for candidate in range(1, 256):
        if candidate == 0x27:
            continue
        total = counts[candidate] + counts[(candidate + 1) & 255] + counts[(candidate + 0x27) & 255]
        if total < best:
            best, offset = total, candidate
            if total == 0:
                break
    out = bytearray([offset])
    for byte in data:
        shifted = (byte - offset) & 255
        if shifted in (0, 1, 0x27):
            out += bytes([1, 3 if shifted == 0x27 else shifted + 1])
        else:
            out.append(shifted)
    return bytes(out)


def record(fields):
    size = sum(len(f) + 1 for f in fields if f is not None)
    count = len(fields)
    width = 1 if size + count + 1 < 256 else 2 if size + 2 * count + 2 < 65536 else 3
    out = bytearray()
    address = width * (count + 1)
    for field in fields:
        out += address.to_bytes(width, "little")
        address += len(field) + 1 if field is not None else 0
    out += address.to_bytes(width, "little")
    for field in fields:
        if field is not None:
            out += field + b"\0"
    return bytes(out)


class LegacyFile:
    """Pages laid out as the older engine wrote them (little-endian page integers)."""

    def __init__(self):
        self.pages = [bytearray(PAGE)]
        self.pages[0][0:34] = b"Vantrobe Retrurn History Database\0"
        struct.pack_into("<I", self.pages[0], 40, 0xDAE37528)
        struct.pack_into("<I", self.pages[0], 56, 4)

    def add_page(self):
        self.pages.append(bytearray(PAGE))
        return len(self.pages)

    def page(self, number):
        return self.pages[number - 1]

    def write_tree_page(self, number, right_child, cells):
        """cells: (left child, payload, first overflow page, data size) in key order; a payload
        longer than a cell holds continues on the given overflow page, or on a chain of its own
        when that is None."""
        page = self.page(number)
        struct.pack_into("<I", page, 0, right_child)
        struct.pack_into("<H", page, 4, 8 if cells else 0)
        offset = 8
        for index, (left, payload, overflow, data_size) in enumerate(cells):
            local = payload[:LOCAL]
            if len(payload) > LOCAL and overflow is None:
                overflow = self.write_overflow(payload[LOCAL:])
            size = 12 + len(local) + (4 if overflow else 0)
            last = index + 1 == len(cells)
            struct.pack_into("<IHH", page, offset, left, 4, 0 if last else offset + size)
            page[offset + 9] = data_size >> 16
            struct.pack_into("<H", page, offset + 10, data_size & 0xFFFF)
            page[offset + 12:offset + 12 + len(local)] = local
            if overflow:
                struct.pack_into("<I", page, offset + 12 + LOCAL, overflow)
            offset += size

    def write_overflow(self, rest):
        first = self.add_page()
        number = first
        for at in range(0, len(rest), OVERFLOW_DATA):
            part = rest[at:at + OVERFLOW_DATA]
            self.page(number)[4:4 + len(part)] = part
            if at + OVERFLOW_DATA < len(rest):
                following = self.add_page()
                struct.pack_into("<I", self.page(number), 0, following)
                number = following
        return first

    def write_schema(self, root):
        schema = 2
        entry = record([b"table", b"tblReturnHistory", b"tblReturnHistory", str(root).encode(),
                        LEGACY_SQL])
        self.write_tree_page(schema, 0, [(0, key(1) + entry, None, len(entry))])

    def bytes(self):
        return b"".join(self.pages)


def key(rowid):
    return struct.pack(">I", rowid ^ 0x80000000)


def history_row(archive):
    return record([None, b"3-5-2005", b"2:7 PM", b"48,250", b"3,120", b"45,130", b"2,821",
                   encode_binary(archive)])


def build_tree(legacy, rowids, cell):
    """A B-tree of the rows in key order, four cells a page (rows sit in interior pages too),
    shallow enough for any reader; `cell(left child, rowid)` makes each cell."""
    page = legacy.add_page()
    if len(rowids) <= CELLS_PER_PAGE:
        legacy.write_tree_page(page, 0, [cell(0, rowid) for rowid in rowids])
        return page
    subtrees = CELLS_PER_PAGE + 1
    rest = len(rowids) - CELLS_PER_PAGE
    sizes = [rest // subtrees + (1 if index < rest % subtrees else 0) for index in range(subtrees)]
    cells, at, right = [], 0, 0
    for index, size in enumerate(sizes):
        child = build_tree(legacy, rowids[at:at + size], cell) if size else 0
        at += size
        if index < CELLS_PER_PAGE:
            cells.append(cell(child, rowids[at]))
            at += 1
        else:
            right = child
    legacy.write_tree_page(page, right, cells)
    return page


def shared_chain_file(scale):
    """Hundreds of rows whose cells all continue on one long overflow chain: read naively,
    the file gives back its chain once per cell, a few hundred times its own size."""
    legacy = LegacyFile()
    legacy.add_page()  # page 2: the schema
    archive = zip_of([("EMF1.tmp", random.Random(7).randbytes(150_000 * scale))],
                     zipfile.ZIP_STORED)
    row = history_row(archive)
    chain = legacy.write_overflow((key(0) + row)[LOCAL:])
    rowids = list(range(1, 400 * scale + 1))
    root = build_tree(legacy, rowids, lambda left, rowid: (left, key(rowid) + row, chain, len(row)))
    legacy.write_schema(root)
    return legacy.bytes()


def overflow_into_tree_page():
    """A row whose overflow chain runs into a page of the table's own tree."""
    legacy = LegacyFile()
    legacy.add_page()
    root = legacy.add_page()
    leaf = legacy.add_page()
    row = history_row(zip_of([("EMF1.tmp", page_bytes(1))]))
    first = history_row(b"x")
    legacy.write_tree_page(leaf, 0, [(0, key(2) + row, root, len(row))])
    legacy.write_tree_page(root, leaf, [(0, key(1) + first, None, len(first))])
    legacy.write_schema(root)
    return legacy.bytes()


def table_in_schema_pages():
    """The return table's root is the schema table's own page."""
    legacy = LegacyFile()
    legacy.add_page()
    legacy.write_schema(2)
    return legacy.bytes()


def hostile_legacy_files(scale):
    return {
        "cells-share-one-overflow-chain.rhi": shared_chain_file(scale),
        "overflow-into-tree-page.rhi": overflow_into_tree_page(),
        "table-in-schema-pages.rhi": table_in_schema_pages(),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scale", type=int, default=1)
    parser.add_argument("--out", default=REGRESSIONS,
                        help="folder for the regression inputs (default: the project's)")
    options = parser.parse_args()
    for name, data in hostile_archives().items():
        write(os.path.join(options.out, "archive"), name, data)
    if options.out == REGRESSIONS:
        for name, data in history_seeds().items():
            write(os.path.join(SEEDS, "history-file"), name, data)
    for name, data in hostile_history_files().items():
        write(os.path.join(options.out, "history-file"), name, data)
    for name, data in hostile_legacy_files(options.scale).items():
        write(os.path.join(options.out, "history-reader"), name, data)
        write(os.path.join(options.out, "history-file"), name, data)


if __name__ == "__main__":
    main()
