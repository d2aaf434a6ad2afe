#!/usr/bin/python3
"""Writes the workbook fixtures of the worksheet automation tests into this folder.

Run once by hand (Debian 12: apt-get install python3-xlwt python3-xlsxwriter); the workbooks are
committed and the tests read them without Python.

    cells.xls / cells.xlsx   the first / the active sheet "Cells": used range B2:E5 holding text
                             (Thai, Latin, outside code page 874), numbers, dates, date-times, a
                             time, a percentage, a Boolean, an error and a blank styled cell; a
                             second sheet elsewhere (.xls: active in the file, yet not read).
    dates1904.xls / .xlsx    a date and a time under the 1904 date system, in A1 and A2.
    one_cell.xls / .xlsx     only B3 holds a value.
    empty.xls / .xlsx        no cell holds a value.
    sparse.xlsx              values at A1 and ZZ1048576 only.
"""
import datetime
import os

import xlsxwriter
import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
THAI = "สมชาย ใจดี"
OUTSIDE = "café 日本"
DATE = datetime.datetime(2024, 3, 15)
DATE_TIME = datetime.datetime(2024, 3, 15, 13, 45, 30)
TIME = datetime.time(0, 0, 30)


def path(name):
    return os.path.join(HERE, name)


def write_xls_cells():
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Cells")
    other = book.add_sheet("Second")
    other.write(8, 25, "elsewhere")
    date = xlwt.easyxf(num_format_str="dd/mm/yyyy")
    date_time = xlwt.easyxf(num_format_str="dd/mm/yyyy hh:mm:ss")
    time = xlwt.easyxf(num_format_str="hh:mm:ss")
    percent = xlwt.easyxf(num_format_str="0%")
    sheet.write(1, 1, "Name")
    sheet.write(1, 2, THAI)
    sheet.write(1, 3, 12.5)
    sheet.write(1, 4, 7)
    sheet.write(2, 1, DATE, date)
    sheet.write(2, 2, DATE_TIME, date_time)
    sheet.write(2, 3, TIME, time)
    sheet.row(3).set_cell_boolean(1, True)
    sheet.row(3).set_cell_error(2, "#DIV/0!")
    sheet.write(3, 3, OUTSIDE)
    sheet.write(3, 4, 0.25, percent)
    sheet.write(4, 1, -3)
    sheet.write(4, 2, "", percent)
    sheet.write(4, 4, 1e10)
    book.active_sheet = 1
    book.save(path("cells.xls"))


def write_xls_small():
    book = xlwt.Workbook(encoding="utf-8")
    book.dates_1904 = True
    sheet = book.add_sheet("Dates")
    sheet.write(0, 0, DATE, xlwt.easyxf(num_format_str="dd/mm/yyyy"))
    sheet.write(1, 0, TIME, xlwt.easyxf(num_format_str="hh:mm:ss"))
    book.save(path("dates1904.xls"))
    book = xlwt.Workbook(encoding="utf-8")
    book.add_sheet("One").write(2, 1, "only")
    book.save(path("one_cell.xls"))
    book = xlwt.Workbook(encoding="utf-8")
    book.add_sheet("Empty")
    book.save(path("empty.xls"))


def write_xlsx_cells():
    book = xlsxwriter.Workbook(path("cells.xlsx"))
    first = book.add_worksheet("First")
    first.write(8, 25, "elsewhere")
    sheet = book.add_worksheet("Cells")
    builtin_date = book.add_format({"num_format": 14})
    date_time = book.add_format({"num_format": "dd/mm/yyyy hh:mm:ss"})
    time = book.add_format({"num_format": "hh:mm:ss"})
    percent = book.add_format({"num_format": "0%"})
    bold = book.add_format({"bold": True})
    sheet.write_string(1, 1, "Name")
    sheet.write_string(1, 2, THAI)
    sheet.write_number(1, 3, 12.5)
    sheet.write_number(1, 4, 7)
    sheet.write_datetime(2, 1, DATE, builtin_date)
    sheet.write_datetime(2, 2, DATE_TIME, date_time)
    sheet.write_datetime(2, 3, TIME, time)
    sheet.write_datetime(2, 4, datetime.datetime(1900, 2, 28), builtin_date)
    sheet.write_boolean(3, 1, True)
    sheet.write_formula(3, 2, "=1/0", None, "#DIV/0!")
    sheet.write_string(3, 3, OUTSIDE)
    sheet.write_number(3, 4, 0.25, percent)
    sheet.write_number(4, 1, -3)
    sheet.write_blank(4, 2, None, percent)
    sheet.write_rich_string(4, 3, "ri", bold, "ch")
    sheet.write_number(4, 4, 1e10)
    sheet.activate()
    book.close()


def write_xlsx_small():
    book = xlsxwriter.Workbook(path("dates1904.xlsx"), {"date_1904": True})
    sheet = book.add_worksheet("Dates")
    sheet.write_datetime(0, 0, DATE, book.add_format({"num_format": "dd/mm/yyyy"}))
    sheet.write_datetime(1, 0, TIME, book.add_format({"num_format": "hh:mm:ss"}))
    book.close()
    book = xlsxwriter.Workbook(path("one_cell.xlsx"))
    book.add_worksheet("One").write_string(2, 1, "only")
    book.close()
    book = xlsxwriter.Workbook(path("empty.xlsx"))
    book.add_worksheet("Empty")
    book.close()
    book = xlsxwriter.Workbook(path("sparse.xlsx"), {"constant_memory": True})
    sheet = book.add_worksheet("Sparse")
    sheet.write_string(0, 0, "a")
    sheet.write_string(1048575, 701, "z")
    book.close()


if __name__ == "__main__":
    write_xls_cells()
    write_xls_small()
    write_xlsx_cells()
    write_xlsx_small()
