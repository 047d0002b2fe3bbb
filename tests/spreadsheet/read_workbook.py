#!/usr/bin/env python3
"""Independent reader for the spreadsheet tests; prints what it finds as JSON.

  read_workbook.py dump FILE              cells of every sheet (xlrd for .xls, openpyxl for .xlsx)
  read_workbook.py container FILE STREAM  one stream of a compound file, read by xlrd's compdoc
"""
import datetime
import hashlib
import io
import json
import struct
import sys


def cell_json(kind, value, fmt, bold):
    return [kind, value, fmt, bool(bold)]


def dump_xls(path, log):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True, logfile=log)
    sheets = []
    for sh in book.sheets():
        rows = []
        for r in range(sh.nrows):
            row = []
            for c in range(sh.ncols):
                cell = sh.cell(r, c)
                if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                    row.append(None)
                    continue
                xf = book.xf_list[cell.xf_index]
                fmt = book.format_map[xf.format_key].format_str
                bold = book.font_list[xf.font_index].bold
                if cell.ctype == xlrd.XL_CELL_TEXT:
                    row.append(cell_json('s', cell.value, fmt, bold))
                elif cell.ctype == xlrd.XL_CELL_NUMBER:
                    row.append(cell_json('n', cell.value, fmt, bold))
                elif cell.ctype == xlrd.XL_CELL_DATE:
                    d = xlrd.xldate.xldate_as_datetime(cell.value, book.datemode)
                    row.append(cell_json('d', d.isoformat(), fmt, bold))
                elif cell.ctype == xlrd.XL_CELL_BOOLEAN:
                    row.append(cell_json('b', bool(cell.value), fmt, bold))
                else:
                    row.append(cell_json('e', str(cell.value), fmt, bold))
            rows.append(row)
        widths = {str(c): info.width / 256.0 for c, info in sh.colinfo_map.items()}
        sheets.append({'name': sh.name, 'rows': rows, 'widths': widths})
    return sheets


def dump_xlsx(path):
    import openpyxl
    from openpyxl.utils import column_index_from_string
    # Control characters are stored as _xHHHH_; openpyxl leaves them so in inline strings,
    # Excel decodes them.
    from openpyxl.utils.escape import unescape
    book = openpyxl.load_workbook(path)
    sheets = []
    for ws in book.worksheets:
        rows = []
        if ws.max_row > 1 or ws.max_column > 1 or ws.cell(1, 1).value is not None:
            for cells in ws.iter_rows():
                row = []
                for c in cells:
                    v = c.value
                    if v is None:
                        row.append(None)
                    elif isinstance(v, bool):
                        row.append(cell_json('b', v, c.number_format, c.font.b))
                    elif isinstance(v, (int, float)):
                        row.append(cell_json('n', float(v), c.number_format, c.font.b))
                    elif isinstance(v, datetime.datetime):
                        row.append(cell_json('d', v.isoformat(), c.number_format, c.font.b))
                    elif isinstance(v, str):
                        row.append(cell_json('s', unescape(v), c.number_format, c.font.b))
                    else:
                        row.append(cell_json('e', str(v), c.number_format, c.font.b))
                while row and row[-1] is None:
                    row.pop()
                rows.append(row)
        widths = {str(column_index_from_string(k) - 1): d.width
                  for k, d in ws.column_dimensions.items() if d.customWidth}
        sheets.append({'name': ws.title, 'rows': rows, 'widths': widths})
    return sheets


def container(path, stream, log):
    from xlrd import compdoc
    with open(path, 'rb') as f:
        mem = f.read()
    doc = compdoc.CompDoc(mem, logfile=log)
    data = doc.get_named_stream(stream)
    fat_sectors, = struct.unpack_from('<I', mem, 0x2C)
    difat_sectors, = struct.unpack_from('<I', mem, 0x48)
    return {'size': len(data) if data is not None else -1,
            'sha256': hashlib.sha256(data).hexdigest() if data is not None else '',
            'fatSectors': fat_sectors, 'difatSectors': difat_sectors}


def main():
    log = io.StringIO()
    mode, path = sys.argv[1], sys.argv[2]
    if mode == 'dump':
        sheets = dump_xlsx(path) if path.lower().endswith('.xlsx') else dump_xls(path, log)
        result = {'sheets': sheets}
    else:
        result = container(path, sys.argv[3], log)
    result['warnings'] = log.getvalue()
    json.dump(result, sys.stdout, ensure_ascii=True)


if __name__ == '__main__':
    main()
