#!/usr/bin/env python3
"""Writes the workbooks the tests read into the folder given: made by openpyxl, a real
spreadsheet library, as architects' and estimators' files come, plus a few made by hand where
openpyxl writes no such thing (inline strings, a zip bomb)."""
import datetime
import os
import sys
import zipfile

import openpyxl


def architect(path):
    """A title block above the header, shared strings, numbers and dates in formats, an empty
    row, and a second sheet that is a schedule too."""
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "Windows"
    sheet["A1"] = "Riverside School \u2013 window schedule"
    sheet["A2"] = "Project:"
    sheet["B2"] = "Riverside School, Block B"
    sheet.append([])
    sheet.append(["Ref", "Qty", "System", "Outer Frame", "Building", "Width", "Delivery", "Share"])
    sheet.append(["W01", 4, "Pelvanor 47", "PRF010", "Domestic", 1200,
                  datetime.datetime(2024, 5, 1), 0.25])
    sheet.append(["W02", 2, "Pelvanor 55", "prf110", "Commercial", 1500.5,
                  datetime.datetime(2024, 6, 12), 0.125])
    sheet.append([])
    sheet.append(["W03", 1, "Caf\u00e9 62", None, None, 900])
    for row in range(5, 9):
        sheet.cell(row=row, column=6).number_format = "#,##0.00"
        sheet.cell(row=row, column=7).number_format = "d mmm yyyy"
        sheet.cell(row=row, column=8).number_format = "0.0%"
    notes = book.create_sheet("Other Block")
    notes.append(["ref", "system"])
    notes.append(["N1", "Pelvanor 62"])
    book.save(path)


def handmade(path, sheet_xml, extra=None):
    """A workbook of the least parts, its one sheet's XML as given."""
    parts = {
        "[Content_Types].xml":
            '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/'
            'content-types"><Default Extension="xml" ContentType="application/xml"/></Types>',
        "_rels/.rels":
            '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/'
            '2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/'
            'officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>'
            '</Relationships>',
        "xl/workbook.xml":
            '<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/'
            'spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/'
            '2006/relationships"><sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets>'
            '</workbook>',
        "xl/_rels/workbook.xml.rels":
            '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/'
            '2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/'
            'officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>'
            '</Relationships>',
    }
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in parts.items():
            archive.writestr(name, text)
        archive.writestr("xl/worksheets/sheet1.xml", sheet_xml)
        for name, data in (extra or {}).items():
            archive.writestr(name, data)


SHEET = ('<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/'
         '2006/main"><sheetData>{}</sheetData></worksheet>')


def main(folder):
    os.makedirs(folder, exist_ok=True)
    architect(os.path.join(folder, "architect.xlsx"))
    # Inline strings and rich-text runs, as other programs write them; cells without references.
    handmade(os.path.join(folder, "inline.xlsx"), SHEET.format(
        '<row r="1"><c t="inlineStr"><is><t>ref</t></is></c>'
        '<c t="inlineStr"><is><r><t>sys</t></r><r><t>tem</t></r></is></c></row>'
        '<row r="2"><c r="A2" t="inlineStr"><is><t>W1</t></is></c>'
        '<c r="B2" t="str"><f>"Pelvanor "&amp;47</f><v>Pelvanor 47</v></c>'
        '<c r="D2" t="b"><v>1</v></c></row>'))
    # A row wider than a schedule's: a cell in column JA (the 261st).
    handmade(os.path.join(folder, "wide.xlsx"), SHEET.format(
        '<row r="1"><c r="A1" t="inlineStr"><is><t>ref</t></is></c>'
        '<c r="B1" t="inlineStr"><is><t>system</t></is></c></row>'
        '<row r="2"><c r="JA2" t="inlineStr"><is><t>far</t></is></c></row>'))
    # A zip bomb: a sheet that unpacks to 200 MB of spaces from a few hundred kilobytes.
    handmade(os.path.join(folder, "bomb.xlsx"),
             SHEET.format("") + " " * (200 << 20))
    # A zip that holds no workbook.
    with zipfile.ZipFile(os.path.join(folder, "notes.xlsx"), "w") as archive:
        archive.writestr("notes.txt", "ref,system")


if __name__ == "__main__":
    main(sys.argv[1])
