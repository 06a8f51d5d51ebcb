"""Reads a workbook written by `quorvia-batch schedule --xlsx` back as a spreadsheet program
would.

usage: workbook_check.py compare WORKBOOK CSV BORROWER
       workbook_check.py dump WORKBOOK SHEET

BORROWER is the name the loan was given, empty for none.

compare checks the workbook against the CSV of the same run: it prints each fault found and
exits 1 when there is one, else prints "ok". dump prints the document's title and subject, then
each row of the sheet, its cells separated by " | ": a date as "date YYYY-MM-DD", a bold cell
marked with a leading "*".
"""
import csv
import sys

import openpyxl

HEADINGS = ("No.", "Pymt Due Date", "Payment", "Interest", "Principal", "Balance")


def check(workbook_path, csv_path, borrower):
    faults = []
    book = openpyxl.load_workbook(workbook_path)
    if book.sheetnames != ["Schedule", "Loan Terms"]:
        faults.append(f"sheets {book.sheetnames}")
        return faults
    sheet = book["Schedule"]

    if sheet.freeze_panes != "A2":
        faults.append(f"frozen at {sheet.freeze_panes}, not below the heading row")
    heading = sheet[1]
    if tuple(cell.value for cell in heading) != HEADINGS:
        faults.append(f"headings {[cell.value for cell in heading]}")
    if not all(cell.font.b for cell in heading):
        faults.append("the heading row is not bold")

    with open(csv_path, newline="") as file:
        expected = list(csv.DictReader(file))
    payments = []
    subtotals = 0
    totals = None
    for row in sheet.iter_rows(min_row=2):
        number, due, payment, interest, principal, balance = row[:6]
        if isinstance(number.value, int):
            payments.append(row)
            if any(cell.font.b for cell in row[:6]):
                faults.append(f"payment {number.value} is bold")
        elif isinstance(due.value, str) and due.value.startswith("Interest for "):
            subtotals += 1
            if not (due.font.b and interest.font.b and isinstance(interest.value, float)):
                faults.append(f"{due.value}: not a bold label and a bold amount")
        elif due.value == "TOTALS":
            totals = row
    if len(payments) != len(expected):
        faults.append(f"{len(payments)} payment rows, the CSV has {len(expected)}")
    for row, line in zip(payments, expected):
        number, due = row[0], row[1]
        if str(number.value) != line["number"]:
            faults.append(f"payment {number.value}: the CSV has {line['number']}")
        if not due.is_date or due.value.date().isoformat() != line["due_date"]:
            faults.append(f"payment {number.value}: due {due.value}, CSV {line['due_date']}")
        for cell, name in zip(row[2:6], ("payment", "interest", "principal", "balance")):
            if not isinstance(cell.value, (int, float)) or cell.value != float(line[name]):
                faults.append(f"payment {number.value}: {name} {cell.value}, CSV {line[name]}")
            if "$" not in cell.number_format:
                faults.append(f"payment {number.value}: {name} shown as {cell.number_format}")
    if subtotals == 0:
        faults.append("no yearly subtotal")
    if totals is None:
        faults.append("no totals row")
    elif not all(cell.font.b for cell in totals[1:5]):
        faults.append("the totals row is not bold")
    elif abs(totals[4].value - sum(float(line["principal"]) for line in expected)) > 0.005 * len(expected):
        faults.append(f"total principal {totals[4].value}")

    for column in "ABCDEF":
        width = sheet.column_dimensions[column].width
        if not width or width < 5:
            faults.append(f"column {column} is {width} wide")

    terms = {row[0].value: row[1] for row in book["Loan Terms"].iter_rows() if row[1].value is not None}
    first = terms.get("First payment due")
    if first is None or not first.is_date or first.value.date().isoformat() != expected[0]["due_date"]:
        faults.append(f"first payment due {first.value if first else None}")
    amount = terms.get("Loan amount")
    if amount is None or not isinstance(amount.value, (int, float)) or "$" not in amount.number_format:
        faults.append("no loan amount among the terms")
    shown_borrower = terms["Borrower"].value if "Borrower" in terms else ""
    if shown_borrower != borrower:
        faults.append(f"the borrower among the terms is {shown_borrower!r}")

    properties = book.properties
    if not (properties.title or "").startswith("Amortization of a $"):
        faults.append(f"document title {properties.title!r}")
    if (properties.subject or "") != borrower:
        faults.append(f"document subject {properties.subject!r}")
    return faults


def shown(cell):
    if cell.value is None:
        return ""
    text = f"date {cell.value.date().isoformat()}" if cell.is_date else str(cell.value)
    return "*" + text if cell.font.b else text


def dump(workbook_path, sheet_name):
    book = openpyxl.load_workbook(workbook_path)
    print(f"title: {book.properties.title}")
    print(f"subject: {book.properties.subject}")
    for row in book[sheet_name].iter_rows():
        print(" | ".join(shown(cell) for cell in row).rstrip(" |"))
    return 0


def compare(workbook_path, csv_path, borrower):
    faults = check(workbook_path, csv_path, borrower)
    for fault in faults:
        print(fault)
    if not faults:
        print("ok")
    return 1 if faults else 0


def main():
    command = {"compare": compare, "dump": dump}[sys.argv[1]]
    return command(*sys.argv[2:])


if __name__ == "__main__":
    sys.exit(main())
