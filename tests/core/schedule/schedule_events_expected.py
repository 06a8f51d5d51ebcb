#!/usr/bin/env python3
"""Expected figures of ScheduleEventsTest.cpp, worked out from the rules a lender states:

interest of a payment = the balance before it x the periodic rate (30-day months) or x the
annual rate / 365 x the days since the previous date (exact days), rounded half up to the cent;
the payment repays the balance over the payments that remain; extra principal adds to the
principal and the payment; a payment that would overpay pays the balance off; a new rate
recomputes the payment over the rest of the term unless the payment is kept (then the loan runs
until it is repaid); interest-only payments are their interest, and the payment after the
period repays the balance over the rest of the term.

Run it to print the figures the test checks: python3 schedule_events_expected.py
"""
import datetime
import math


def cents(x):
    return math.floor(x * 100 + 0.5) / 100


def level_payment(balance, r, n):
    return cents(balance / n) if r == 0 else cents(balance * r / (1 - (1 + r) ** -n))


def monthly_dates(first, count):
    return [datetime.date(first.year + (first.month - 1 + k) // 12, (first.month - 1 + k) % 12 + 1,
                          first.day) for k in range(count)]


def semi_monthly_dates(first, count):
    """The 1st and the 16th of each month, from a first payment on one of them."""
    dates, d = [], first
    for _ in range(count):
        dates.append(d)
        d = d.replace(day=16) if d.day == 1 else (d.replace(day=1) + datetime.timedelta(days=31)).replace(day=1)
    return dates


def schedule(amount, annual, per_year, count, payment, first, funding=None, odd_days=0,
             fixed_principal=False, extra=None, lumps=(), rates=(), keep=False,
             interest_only=0, dates=monthly_dates):
    """Rows (number, date, payment, interest, principal, balance) of one loan.

    extra: (amount, from, to or None); lumps: [(amount, payment)]; rates: [(annual, from)].
    """
    balance, r, rows = amount, annual / per_year, []
    kept = False

    def recomputed(i):
        remaining = count - i + 1
        return cents(balance / remaining) if fixed_principal else level_payment(balance, r, remaining)

    all_dates = dates(first, 3 * count)
    previous = funding
    i = 0
    while balance > 0 and (i < count or (kept and rows[-1][4] > 0)):
        i += 1
        for new_rate, at in rates:
            if at == i:
                annual, r = new_rate, new_rate / per_year
                kept = keep and not fixed_principal
                if not keep and i > interest_only:
                    payment = recomputed(i)
        if interest_only and i == interest_only + 1:
            payment, kept = recomputed(i), False
        date = all_dates[i - 1]
        if funding is not None:
            interest = cents(balance * annual / 365 * (date - previous).days)
        else:
            interest = cents(balance * r)
        previous = date
        odd = math.floor(balance * annual / 365 * odd_days * 100) / 100 if i == 1 else 0
        interest += odd
        if i <= interest_only:
            principal = 0
        elif fixed_principal:
            principal = payment
        else:
            principal = payment + odd - interest
        if extra and extra[1] <= i <= (extra[2] or 10 ** 9):
            principal += extra[0]
        principal += sum(a for a, at in lumps if at == i)
        principal = min(principal, balance)
        balance -= principal
        rows.append((i, date, principal + interest, interest, principal, balance))
    return rows


def show(name, rows, *picks):
    total_interest = sum(row[3] for row in rows)
    total_paid = sum(row[2] for row in rows)
    print(f"{name}: {len(rows)} payments, interest {total_interest:.2f}, paid {total_paid:.2f}")
    for k in picks:
        n, date, pay, interest, principal, balance = rows[k - 1]
        print(f"  {n:4} {date:%m/%d/%Y} {pay:10.2f} {interest:9.2f} {principal:10.2f} {balance:11.2f}")


first = datetime.date(1998, 4, 10)
loan = dict(amount=100000, annual=0.06, per_year=12, count=360, payment=599.55, first=first)

show("extra 200 from 1", schedule(**loan, extra=(200, 1, None)), 1, 196, 197)
show("extra 200 from 13 to 24", schedule(**loan, extra=(200, 13, 24)), 12, 13, 24, 25)
show("lumps 5000 and 1000 with 24", schedule(**loan, lumps=[(5000, 24), (1000, 24)]), 24, 25)
show("lump 150000 with 3", schedule(**loan, lumps=[(150000, 3)]), 2, 3)
show("rate 7.25 % from 61", schedule(**loan, rates=[(0.0725, 61)]), 60, 61, 360)
show("rate 7.25 % from 61, kept", schedule(**loan, rates=[(0.0725, 61)], keep=True), 61, 360)
show("rate 4 % from 61, kept", schedule(**loan, rates=[(0.04, 61)], keep=True), 61)
show("interest only 12", schedule(**loan, interest_only=12), 1, 12, 13, 360)

# 36,500 at 10 % a year from January 1, 1999: exactly 10.00 of interest a day to begin with.
exact = dict(amount=36500, annual=0.10, per_year=12, count=12, payment=3208.00,
             first=datetime.date(1999, 2, 1), funding=datetime.date(1999, 1, 1))
show("exact days, lump 10000 with 3, rate 12 % from 6", schedule(
    **exact, lumps=[(10000, 3)], rates=[(0.12, 6)]), 1, 2, 3, 5, 6, 12)
show("exact days, interest only 3", schedule(**exact, interest_only=3), 1, 2, 3, 4, 12)

show("odd days 17, extra 100 from 1", schedule(**loan, odd_days=17, extra=(100, 1, None)), 1, 2)

semi = dict(amount=24000, annual=0.09, per_year=24, count=48, payment=0, dates=semi_monthly_dates,
            first=datetime.date(1999, 1, 16), funding=datetime.date(1999, 1, 1))
semi["payment"] = level_payment(24000, 0.09 / 24, 48)
show("semi-monthly, extra 50 from 5 to 8, rate 6 % from 25", schedule(
    **semi, extra=(50, 5, 8), rates=[(0.06, 25)]), 1, 2, 5, 24, 25, 48)

fixed = dict(amount=12000, annual=0.12, per_year=12, count=12, payment=1000,
             first=datetime.date(1999, 1, 15), fixed_principal=True)
show("fixed principal, interest only 2, rate 6 % from 6", schedule(
    **fixed, interest_only=2, rates=[(0.06, 6)]), 1, 3, 6, 12)
