#!/usr/bin/env python3
"""The books of two invented companies, exported in the shapes accounting programs use,
and the figure every box of the form should get from each file.

    python3 tests/books/makecompanies.py

writes tests/data/bookimport/companies/<case>/ with the export and expected.txt. The
expected figures come from the books themselves through the form's definitions, never
from the files, so that a file read wrongly shows up as a box that differs.

株式会社みなと商事 (A): a wholesaler, business year 令和6年4月1日～令和7年3月31日, a profit.
株式会社やまびこ製作所 (B): a manufacturer with a 製造原価報告書, business year
令和6年1月1日～令和6年12月31日, a loss.
"""

import os
import random

OUT = os.path.join(os.path.dirname(__file__), '..', 'data', 'bookimport', 'companies')


# --- the books ---------------------------------------------------------------------------

class Acct:
    def __init__(self, name, yen=None, subs=None, contra=False, months=None, closing=0):
        self.name = name
        self.subs = subs  # [(name, yen)] or None
        self.contra = contra
        self.yen = sum(y for _, y in subs) if subs else yen
        self.months = months  # 12 figures in business-year order, or None
        self.closing = closing

    def is_group(self):
        return False


class Group:
    def __init__(self, name, children, total=None, side='D', section=''):
        self.name = name
        self.children = children
        self.total = total  # the name of its total row, or None
        self.side = side
        self.section = section

    def is_group(self):
        return True

    @property
    def yen(self):
        return sum(value(c) for c in self.children if not isinstance(c, Diff))


class Diff:
    def __init__(self, name, fn, loss_name=None):
        self.name = name
        self.fn = fn
        self.loss_name = loss_name

    def is_group(self):
        return False


def value(node):
    if isinstance(node, Diff):
        return 0
    if isinstance(node, Group):
        return node.yen
    return -node.yen if node.contra else node.yen


def walk(node, path=()):
    """Every account with the names of the groups above it."""
    if isinstance(node, Group):
        for c in node.children:
            yield from walk(c, path + (node.name,))
    elif isinstance(node, Acct):
        yield path, node


def find(root, name, within=None):
    for path, a in walk(root):
        if a.name == name and (within is None or within in path):
            return a
    raise KeyError(name)


def group(root, name):
    if isinstance(root, Group):
        if root.name == name:
            return root
        for c in root.children:
            try:
                return group(c, name)
            except KeyError:
                pass
    raise KeyError(name)


# A: 株式会社みなと商事 ------------------------------------------------------------------

def a_books():
    assets = Group('資産の部', [
        Group('流動資産', [
            Group('現金及び預金', [
                Acct('現金', 152340),
                Acct('普通預金', subs=[('東西銀行', 8000000), ('南北信用金庫', 4313221)]),
                Acct('当座預金', 2104500),
                Acct('定期預金', 3000000),
            ], total='現金及び預金合計'),
            Acct('受取手形', 1250000),
            Acct('売掛金', 15678900),
            Acct('商品', 6420000),
            Acct('前払費用', 180000),
            Acct('短期貸付金', 500000),
        ], total='流動資産合計'),
        Group('固定資産', [
            Acct('建物', 12000000),
            Acct('建物附属設備', 1850000),
            Acct('車両運搬具', 2400000),
            Acct('工具器具備品', 640000),
            Acct('土地', 18000000),
            Acct('ソフトウェア', 300000),
            Acct('差入保証金', 900000),
        ], total='固定資産合計'),
    ], total='資産の部合計', side='D')
    liabilities = Group('負債の部', [
        Group('流動負債', [
            Acct('支払手形', 2100000),
            Acct('買掛金', 9876543),
            Acct('短期借入金', 5000000),
            Acct('未払金', 1234000),
            Acct('未払法人税等', 1100000),
            Acct('預り金', subs=[('源泉所得税', 210000), ('住民税', 95000),
                                ('社会保険料', 480000)]),
        ], total='流動負債合計'),
        Group('固定負債', [
            Acct('長期借入金', 20000000),
            Acct('役員借入金', 4000000),
        ], total='固定負債合計'),
    ], total='負債の部合計', side='C')

    rnd = random.Random(20240401)

    def spread(total, weights=None, closing=0):
        """Twelve monthly figures in business-year order adding up, with the closing
        entries, to the year's total."""
        rest = total - closing
        weights = weights or [rnd.uniform(0.8, 1.2) for _ in range(12)]
        months = [int(rest * w / sum(weights)) for w in weights]
        months[-1] += rest - sum(months)
        return months

    def flow(name, total, weights=None, closing=0, contra=False, subs=None):
        if subs:
            a = Acct(name, subs=subs, contra=contra)
            a.sub_months = [spread(y) for _, y in subs]
            a.months = [sum(m[i] for m in a.sub_months) for i in range(12)]
            a.closing = 0
            return a
        return Acct(name, total, contra=contra, months=spread(total, weights, closing),
                    closing=closing)

    def only(month, total):
        months = [0] * 12
        months[month] = total
        return months

    sales = Group('売上高', [
        flow('売上高', 184352600, subs=[('北浜食品', 98765400), ('西町マート', 52341200),
                                      ('その他', 33246000)]),
        flow('売上値引高', 352600, contra=True),
    ], total='純売上高', side='C', section='revenue')
    cost = Group('売上原価', [
        Acct('期首商品棚卸高', 5980000, months=only(0, 5980000)),
        flow('仕入高', 132456700),
        flow('仕入値引高', 256700, contra=True),
        Acct('期末商品棚卸高', 6420000, contra=True, months=[0] * 12, closing=6420000),
    ], total='売上原価', side='D', section='cost')
    bonus = [0] * 12
    bonus[3] = 1400000  # July
    bonus[8] = 1400000  # December
    expenses = Group('販売費及び一般管理費', [
        flow('役員報酬', 12000000, weights=[1] * 12),
        flow('給料手当', 15600000, weights=[1] * 12),
        flow('雑給', 2340000),
        Acct('賞与', 3200000, months=bonus, closing=400000),
        flow('法定福利費', 3380000),
        flow('福利厚生費', 420000),
        Acct('退職金', 600000, months=only(5, 600000)),
        flow('外注費', 1800000),
        flow('荷造運賃', 2150000),
        flow('旅費交通費', 1230000),
        flow('接待交際費', 980000),
        flow('地代家賃', 2400000, weights=[1] * 12),
        flow('租税公課', 560000),
        Acct('減価償却費', 1420000, months=[0] * 12, closing=1420000),
        flow('通信費', 480000),
        flow('水道光熱費', 390000),
        flow('消耗品費', 610000),
        flow('支払手数料', 320000),
        flow('雑費', 95432),
    ], total='販売費及び一般管理費合計', side='D', section='expenses')
    income = Group('営業外収益', [flow('受取利息', 12345), flow('雑収入', 230000)],
                   total='営業外収益合計', side='C', section='revenue')
    charges = Group('営業外費用', [flow('支払利息', 468000), flow('手形売却損', 32000)],
                    total='営業外費用合計', side='D', section='expenses')
    special = Group('特別損失', [Acct('固定資産除却損', 150000, months=only(10, 150000))],
                    total='特別損失合計', side='D', section='expenses')
    gross = Diff('売上総利益', lambda: sales.yen - cost.yen)
    operating = Diff('営業利益', lambda: gross.fn() - expenses.yen)
    ordinary = Diff('経常利益', lambda: operating.fn() + income.yen - charges.yen)
    pretax = Diff('税引前当期純利益', lambda: ordinary.fn() - special.yen)
    pl = Group('損益計算書', [sales, cost, gross, expenses, operating, income, charges, ordinary,
                          special, pretax], side='C')
    equity = Group('純資産の部', [
        Acct('資本金', 10000000),
        Acct('繰越利益剰余金', assets.yen - liabilities.yen - 10000000),
    ], total='純資産の部合計', side='C')
    bs = Group('貸借対照表', [assets, liabilities, equity])
    return Company('A', '株式会社みなと商事', 4, bs, pl, None)


# B: 株式会社やまびこ製作所 --------------------------------------------------------------

def b_books():
    rnd = random.Random(20240101)

    def spread(total, weights=None, closing=0):
        rest = total - closing
        weights = weights or [rnd.uniform(0.8, 1.2) for _ in range(12)]
        months = [int(rest * w / sum(weights)) for w in weights]
        months[-1] += rest - sum(months)
        return months

    def flow(name, total, weights=None, closing=0, contra=False):
        return Acct(name, total, contra=contra, months=spread(total, weights, closing),
                    closing=closing)

    def only(month, total):
        months = [0] * 12
        months[month] = total
        return months

    bonus_works = [0] * 12
    bonus_works[6] = 1100000
    bonus_works[11] = 1300000
    bonus_office = [0] * 12
    bonus_office[6] = 350000
    bonus_office[11] = 450000
    materials = Group('材料費', [
        Acct('期首材料棚卸高', 2300000, months=only(0, 2300000)),
        flow('材料仕入高', 38765400),
        Acct('期末材料棚卸高', 2865400, contra=True, months=[0] * 12, closing=2865400),
    ], total='材料費計', section='manufacturing')
    labour = Group('労務費', [
        flow('賃金', 21600000, weights=[1] * 12),
        flow('雑給', 1850000),
        Acct('賞与', 2400000, months=bonus_works),
        flow('法定福利費', 3720000),
        flow('福利厚生費', 380000),
    ], total='労務費計', section='manufacturing')
    overheads = Group('製造経費', [
        flow('外注加工費', 9870000),
        flow('電力費', 2340000),
        Acct('減価償却費', 3150000, months=[0] * 12, closing=3150000),
        flow('地代家賃', 1800000, weights=[1] * 12),
        flow('租税公課', 420000),
        flow('修繕費', 760000),
        flow('消耗品費', 530000),
        flow('雑費', 85600),
    ], total='製造経費計', section='manufacturing')
    made = Group('製造原価報告書', [
        materials, labour, overheads,
        Acct('期首仕掛品棚卸高', 1200000, months=only(0, 1200000)),
        Acct('期末仕掛品棚卸高', 1450000, contra=True, months=[0] * 12, closing=1450000),
    ], total='当期製品製造原価', section='manufacturing')
    sales = Group('売上高', [flow('製品売上高', 98500000)], total='売上高合計', side='C',
                  section='revenue')
    transfer = Acct('当期製品製造原価', made.yen, months=[0] * 12)
    cost = Group('売上原価', [
        Acct('期首製品棚卸高', 3400000, months=only(0, 3400000)),
        transfer,
        Acct('期末製品棚卸高', 3980000, contra=True, months=[0] * 12, closing=3980000),
    ], total='売上原価', section='cost')
    expenses = Group('販売費及び一般管理費', [
        flow('役員報酬', 9600000, weights=[1] * 12),
        flow('給料手当', 6000000, weights=[1] * 12),
        Acct('賞与', 1000000, months=bonus_office, closing=200000),
        flow('法定福利費', 1150000),
        flow('福利厚生費', 210000),
        flow('荷造運賃', 1340000),
        flow('旅費交通費', 520000),
        flow('交際費', 430000),
        Acct('減価償却費', 680000, months=[0] * 12, closing=680000),
        flow('地代家賃', 1200000, weights=[1] * 12),
        flow('租税公課', 310000),
        flow('通信費', 180000),
        flow('支払手数料', 150000),
        flow('雑費', 42000),
    ], total='販売費及び一般管理費合計', section='expenses')
    income = Group('営業外収益', [flow('受取利息', 5400), flow('雑収入', 120000)],
                   total='営業外収益合計', side='C', section='revenue')
    charges = Group('営業外費用', [flow('支払利息', 820000)], total='営業外費用合計',
                    section='expenses')
    gross = Diff('売上総利益', lambda: sales.yen - cost.yen)
    operating = Diff('営業利益', lambda: gross.fn() - expenses.yen, '営業損失')
    ordinary = Diff('経常利益', lambda: operating.fn() + income.yen - charges.yen, '経常損失')
    pretax = Diff('税引前当期純利益', lambda: ordinary.fn(), '税引前当期純損失')
    pl = Group('損益計算書', [sales, cost, gross, expenses, operating, income, charges, ordinary,
                          pretax], side='C')
    assets = Group('資産の部', [
        Group('流動資産', [
            Acct('現金', 84300),
            Acct('普通預金', 6540000),
            Acct('当座預金', 1780000),
            Acct('受取手形', 3400000),
            Acct('売掛金', 11250000),
            Acct('製品', 3980000),
            Acct('仕掛品', 1450000),
            Acct('原材料', 2865400),
            Acct('貯蔵品', 120000),
            Acct('未収入金', 260000),
        ], total='流動資産合計'),
        Group('固定資産', [
            Acct('建物', 22000000),
            Acct('機械装置', 14500000),
            Acct('車両運搬具', 1900000),
            Acct('工具器具備品', 880000),
            Acct('土地', 15000000),
        ], total='固定資産合計'),
    ], total='資産の部合計', side='D')
    liabilities = Group('負債の部', [
        Group('流動負債', [
            Acct('支払手形', 4200000),
            Acct('買掛金', 6780000),
            Acct('短期借入金', 10000000),
            Acct('未払金', 2300000),
            Acct('預り金', 640000),
        ], total='流動負債合計'),
        Group('固定負債', [
            Acct('長期借入金', 35000000),
            Acct('代表者借入金', 8000000),
        ], total='固定負債合計'),
    ], total='負債の部合計', side='C')
    equity = Group('純資産の部', [
        Acct('資本金', 10000000),
        Acct('繰越利益剰余金', assets.yen - liabilities.yen - 10000000),
    ], total='純資産の部合計', side='C')
    bs = Group('貸借対照表', [assets, liabilities, equity])
    # The monthly figures of 当期製品製造原価 are those of the manufacturing costs.
    transfer.months = [sum(month_value(c, i) for c in made.children) for i in range(12)]
    transfer.closing = sum(closing_value(c) for c in made.children)
    return Company('B', '株式会社やまびこ製作所', 1, bs, pl, made)


def month_value(node, i):
    if isinstance(node, Diff):
        return 0
    if isinstance(node, Group):
        return sum(month_value(c, i) for c in node.children)
    v = node.months[i]
    return -v if node.contra else v


def closing_value(node):
    if isinstance(node, Diff):
        return 0
    if isinstance(node, Group):
        return sum(closing_value(c) for c in node.children)
    return -node.closing if node.contra else node.closing


class Company:
    def __init__(self, key, name, start, bs, pl, made):
        self.key = key
        self.name = name
        self.start = start
        self.bs = bs
        self.pl = pl
        self.made = made

    def statements(self):
        """The statements in the order a trial balance lists them."""
        parts = [self.bs]
        if self.made:
            parts.append(self.made)
        parts.append(self.pl)
        return parts

    def acct(self, name, within=None):
        for root in self.statements():
            try:
                return find(root, name, within)
            except KeyError:
                pass
        raise KeyError(name)

    def group(self, name):
        for root in self.statements():
            try:
                return group(root, name)
            except KeyError:
                pass
        raise KeyError(name)

    def diff(self, name):
        for c in self.pl.children:
            if isinstance(c, Diff) and c.name == name:
                return c.fn()
        raise KeyError(name)


# --- what the form asks for --------------------------------------------------------------

def thousands(yen):
    return int(yen / 1000)  # cut towards zero


def grouped(n):
    return '' if n == 0 else f'{n:,}'


def main_accounts(c):
    """Item 7 in yen, with the accounts each box takes (so that the rest is unmapped)."""
    a = c.acct
    boxes = {}
    used = set()

    def take(box, *names, within=None, sign=1):
        total = 0
        for n in names:
            acct = a(n, within)
            used.add(id(acct))
            total += (-acct.yen if acct.contra else acct.yen) * sign
        boxes[box] = boxes.get(box, 0) + total

    if c.key == 'A':
        take(1, '売上高', '売上値引高')
        boxes[3] = c.group('売上原価').yen
        take(4, '期首商品棚卸高')
        take(5, '仕入高', '仕入値引高')
        take(8, '期末商品棚卸高', sign=-1)
        take(13, '給料手当', '雑給', '賞与')
        take(14, '接待交際費')
        take(15, '減価償却費')
        take(16, '地代家賃', '租税公課')
        take(18, '支払利息', '手形売却損')
        take(21, '現金', '普通預金', '当座預金', '定期預金')
        take(25, '短期貸付金')
        take(26, '建物', '建物附属設備')
        take(33, '役員借入金')
        take(34, '短期借入金', '長期借入金')
    else:
        take(1, '製品売上高')
        boxes[3] = c.group('売上原価').yen
        take(4, '期首製品棚卸高')
        # 原材料費: the materials used, as 材料費 adds them up.
        take(5, '期首材料棚卸高', '材料仕入高', '期末材料棚卸高')
        # 労務費 without 福利厚生費.
        take(6, '賃金', '雑給', '賞与', '法定福利費', within='労務費')
        take(7, '外注加工費')
        take(8, '期末製品棚卸高', sign=-1)
        take(9, '減価償却費', within='製造経費')
        take(10, '地代家賃', '租税公課', within='製造経費')
        take(13, '給料手当', '賞与', within='販売費及び一般管理費')
        take(14, '交際費')
        take(15, '減価償却費', within='販売費及び一般管理費')
        take(16, '地代家賃', '租税公課', within='販売費及び一般管理費')
        take(18, '支払利息')
        take(21, '現金', '普通預金', '当座預金')
        take(24, '製品', '仕掛品', '原材料', '貯蔵品')
        take(26, '建物')
        take(27, '機械装置')
        take(33, '代表者借入金')
        take(34, '短期借入金', '長期借入金')
        used.add(id(a('当期製品製造原価', '売上原価')))
    take(12, '役員報酬')
    take(22, '受取手形')
    take(23, '売掛金')
    if c.key == 'A':
        take(24, '商品')
    take(28, '車両運搬具')
    take(29, '土地')
    take(31, '支払手形')
    take(32, '買掛金')
    boxes[11] = c.diff('売上総利益')
    boxes[17] = c.diff('営業利益')
    boxes[19] = c.diff('税引前当期純利益')
    boxes[20] = c.group('資産の部').yen
    boxes[30] = c.group('負債の部').yen
    boxes[35] = c.group('純資産の部').yen
    return boxes, used


def monthly(c):
    """Item 17 in yen for each calendar month: 売上, 仕入, 外注費, 人件費."""
    columns = {1: [], 3: [], 5: [], 6: []}
    used = set()

    def accts(*names, within=None):
        out = []
        for n in names:
            acct = c.acct(n, within)
            used.add(id(acct))
            out.append(acct)
        return out

    if c.key == 'A':
        columns[1] = accts('売上高', '売上値引高')
        columns[3] = accts('仕入高', '仕入値引高')
        columns[5] = accts('外注費')
        # 人件費: pay and bonuses, officers included; no 法定福利費, 福利厚生費, 退職金.
        columns[6] = accts('役員報酬', '給料手当', '雑給', '賞与')
    else:
        columns[1] = accts('製品売上高')
        columns[3] = accts('材料仕入高')
        columns[5] = accts('外注加工費')
        columns[6] = (accts('賃金', '雑給', '賞与', within='労務費') +
                      accts('役員報酬', '給料手当', '賞与', within='販売費及び一般管理費'))
    used.add(id(c.acct('当期製品製造原価', '売上原価')) if c.key == 'B' else None)
    out = {}
    for column, accounts in columns.items():
        months = []
        for i in range(12):
            v = sum((-x.months[i] if x.contra else x.months[i]) for x in accounts)
            if i == 11:  # the closing entries belong to the year's last month
                v += sum((-x.closing if x.contra else x.closing) for x in accounts)
            months.append(v)
        out[column] = months
    return out, used


def month_box(row, column):
    return f'Text{(column - 1) * 14 + row}'


# --- writing the exports -------------------------------------------------------------------

def money(yen, minus='-', quote=True, unit=1):
    n = int(yen / unit) if unit > 1 else yen
    text = f'{abs(n):,}'
    if n < 0:
        text = minus + text
    return f'"{text}"' if quote and (',' in text) else text


def write(case, name, text, encoding='cp932', bom=b'', tail=b''):
    folder = os.path.join(OUT, case)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(bom + text.encode(encoding) + tail)


# The last month of each company's business year, which picks a column among years.
YEAR_END = {'a': '2025-03', 'b': '2024-12', 'c': '2025-03', 'd': '2024-12'}


def expected(case, title, screen, start, file, boxes, unmapped, extra=()):
    lines = [f'# {title}', f'screen={screen}', f'start={start}', f'file={file}']
    if case.split('_')[0] in YEAR_END:
        lines.append(f'end={YEAR_END[case.split("_")[0]]}')
    for box, text in sorted(boxes.items(), key=lambda kv: int(kv[0][4:])):
        if text:
            lines.append(f'{box}={text}')
    lines += [f'unmapped={u}' for u in unmapped]
    lines += list(extra)
    folder = os.path.join(OUT, case)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, 'expected.txt'), 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


def listed(name, yen, credit=False, unit=1):
    """An account as the dialog lists those that go into no box."""
    shown = -yen if credit else yen
    k = thousands(shown)
    text = f'{shown:,}円' if k == 0 else f'{k:,}千円'
    return f'{name}　{text}' + ('（貸方）' if credit else '')


def main_expected(c, unit=1, file_figures=None):
    boxes, used = main_accounts(c)
    if file_figures:  # a file in 千円: the boxes add up the file's own figures
        boxes = file_figures
    return {f'Text{b}': grouped(thousands(y)) for b, y in boxes.items()}, used


def unmapped_main(c, used, order, credit_of=None, unit=1):
    out = []
    for acct in order:
        if id(acct) in used or acct.yen == 0:
            continue
        yen = acct.yen
        if unit > 1:
            yen = thousands(yen) * 1000
        credit = credit_of(acct) if credit_of else False
        out.append(listed(acct.name, -yen if credit else yen, credit))
    return out


def leaves(c):
    """The accounts in the order of a trial balance."""
    out = []
    for root in c.statements():
        for path, a in walk(root):
            out.append((path, a))
    return out


# A ----------------------------------------------------------------------------------------

def a_flat_cp932(c):
    """A, flat, code page 932: 【】 headings, totals below their accounts, (単位：円), a
    補助科目 column whose rows repeat their account; 預り金 only by its 補助科目."""
    rows = ['残高試算表', f'{c.name},令和6年4月1日～令和7年3月31日,（単位：円）',
            '勘定科目,補助科目,前期繰越,借方金額,貸方金額,期末残高,構成比']

    def emit(node, top):
        if isinstance(node, Diff):
            rows.append(f'{node.name},,,,,{money(node.fn())},')
            return
        if isinstance(node, Group):
            if top:
                rows.append(f'【{node.name}】,,,,,,')
            for ch in node.children:
                emit(ch, False)
            if node.total:
                rows.append(f'{node.total},,,,,{money(node.yen)},')
            return
        # 預り金 has no row of its own: only its 補助科目, each naming it.
        if node.name != '預り金':
            rows.append(f'{node.name},,"1,000","2,000","3,000",{money(node.yen)},1.5')
        for sub, yen in node.subs or []:
            rows.append(f'{node.name},{sub},,,,{money(yen)},0.5')

    for g in c.bs.children + c.pl.children:
        emit(g, True)
    return '\r\n'.join(rows) + '\r\n'


def a_thousands(c):
    """A, in 千円 (表示単位：千円): every figure cut to 千円 by the program, totals too."""
    rows = ['合計残高試算表', '表示単位：千円', '科目,当期残高']
    figures = {}

    def emit(node):
        if isinstance(node, Diff):
            rows.append(f'{node.name},{money(node.fn(), unit=1000)}')
            return
        if isinstance(node, Group):
            rows.append(f'[{node.name}],')
            for ch in node.children:
                emit(ch)
            if node.total:
                rows.append(f'{node.total},{money(node.yen, unit=1000)}')
            return
        rows.append(f'{node.name},{money(node.yen, unit=1000)}')

    for g in c.bs.children + c.pl.children:
        emit(g)
    return '\r\n'.join(rows) + '\r\n'


def a_thousands_boxes(c):
    """What the 千円 file justifies: its own figures, added up where a box takes several."""
    boxes, used = main_accounts(c)
    t = lambda yen: thousands(yen) * 1000
    a = c.acct
    f = {}
    f[1] = t(a('売上高').yen) - t(a('売上値引高').yen)
    f[3] = t(c.group('売上原価').yen)
    f[4] = t(a('期首商品棚卸高').yen)
    f[5] = t(a('仕入高').yen) - t(a('仕入値引高').yen)
    f[8] = t(a('期末商品棚卸高').yen)
    f[11] = t(c.diff('売上総利益'))
    f[12] = t(a('役員報酬').yen)
    f[13] = t(a('給料手当').yen) + t(a('雑給').yen) + t(a('賞与').yen)
    f[14] = t(a('接待交際費').yen)
    f[15] = t(a('減価償却費').yen)
    f[16] = t(a('地代家賃').yen) + t(a('租税公課').yen)
    f[17] = t(c.diff('営業利益'))
    f[18] = t(a('支払利息').yen) + t(a('手形売却損').yen)
    f[19] = t(c.diff('税引前当期純利益'))
    f[20] = t(c.group('資産の部').yen)
    # The file's own 現金及び預金合計 is the box's figure.
    f[21] = t(c.group('現金及び預金').yen)
    for box, name in [(22, '受取手形'), (23, '売掛金'), (24, '商品'), (25, '短期貸付金'),
                      (28, '車両運搬具'), (29, '土地'), (31, '支払手形'), (32, '買掛金'),
                      (33, '役員借入金')]:
        f[box] = t(a(name).yen)
    f[26] = t(a('建物').yen) + t(a('建物附属設備').yen)
    f[30] = t(c.group('負債の部').yen)
    f[34] = t(a('短期借入金').yen) + t(a('長期借入金').yen)
    f[35] = t(c.group('純資産の部').yen)
    return f, used


def a_hierarchy_columns(c):
    """A, the hierarchy over five columns (区分 / 中区分 / 小区分 / 勘定科目 / 補助科目)
    with only the first headed; totals in the column of their group."""
    rows = [f'{c.name}　残高試算表（令和7年3月31日現在）', '（単位：円）',
            '区分,,,,,期末残高']

    def emit(node, depth):
        def line(name, depth, figure=''):
            cells = [''] * 5
            cells[depth] = name
            rows.append(','.join(cells) + ',' + figure)
        if isinstance(node, Diff):
            line(node.name, depth, money(node.fn()))
            return
        if isinstance(node, Group):
            line(node.name, depth)
            for ch in node.children:
                emit(ch, min(depth + 1, 3) if ch.is_group() else 3)
            if node.total:
                line(node.total, depth, money(node.yen))
            return
        if node.subs:
            line(node.name, 3, money(node.yen))
            for sub, yen in node.subs:
                line(sub, 4, money(yen))
            return
        line(node.name, 3, money(node.yen))

    for g in c.bs.children + c.pl.children:
        emit(g, 0)
    return '\r\n'.join(rows) + '\r\n'


def side_of(c, path, acct):
    """Whether an account is kept on the credit side."""
    credit_groups = {'負債の部', '純資産の部', '売上高', '営業外収益'}
    credit = any(p in credit_groups for p in path)
    return not credit if acct.contra else credit


def a_debit_credit_tab(c):
    """A, tab-separated code page 932 with an end-of-file byte: 科目コード + 科目名,
    借方残高 and 貸方残高, no headings, totals below in their own side."""
    rows = ['残高試算表\t\t\t', '科目コード\t科目名\t借方残高\t貸方残高']
    code = [100]

    def cells(yen, credit):
        if credit:
            yen = -yen
        return (money(yen, quote=False), '') if yen >= 0 else ('', money(-yen, quote=False))

    def emit(node, path):
        if isinstance(node, Diff):
            d, cr = cells(node.fn(), True)
            rows.append(f'\t{node.name}\t{d}\t{cr}')
            return
        if isinstance(node, Group):
            for ch in node.children:
                emit(ch, path + (node.name,))
            if node.total:
                credit = any(p in {'負債の部', '純資産の部', '売上高', '営業外収益'}
                             for p in path + (node.name,))
                d, cr = cells(node.yen, credit)
                rows.append(f'\t{node.total}\t{d}\t{cr}')
            return
        code[0] += 1
        d, cr = cells(node.yen, side_of(c, path, node))
        rows.append(f'{code[0]}\t{node.name}\t{d}\t{cr}')

    for g in c.bs.children + c.pl.children:
        emit(g, ())
    return '\r\n'.join(rows) + '\r\n'


def a_unicode_text(c):
    """A, Excel's 「Unicode テキスト」: UTF-16LE with its mark, tabs; 科　　　目 and 残高;
    indented accounts under headings, totals below; negatives with △."""
    rows = [f'{c.name}\t', '科　　　目\t残高']

    def emit(node, indent):
        pad = '　' * indent
        if isinstance(node, Diff):
            rows.append(f'{pad}{node.name}\t{money(node.fn(), minus="△", quote=False)}')
            return
        if isinstance(node, Group):
            rows.append(f'{pad}{node.name}\t')
            for ch in node.children:
                emit(ch, indent + 1)
            if node.total:
                rows.append(f'{pad}{node.total}\t{money(node.yen, quote=False)}')
            return
        rows.append(f'{pad}{node.name}\t{money(node.yen, quote=False)}')

    for g in c.bs.children + c.pl.children:
        emit(g, 0)
    return '\r\n'.join(rows) + '\r\n'


# B ----------------------------------------------------------------------------------------

def b_rows(c, emit_group_heading, account_line, total_line, diff_line, loss_style):
    rows = []

    def diff(node):
        v = node.fn()
        if v < 0 and loss_style == 'name':
            rows.append(diff_line(node.loss_name or node.name, -v))
        else:
            rows.append(diff_line(node.name, v))

    def emit(node, depth):
        if isinstance(node, Diff):
            diff(node)
            return
        if isinstance(node, Group):
            emit_group_heading(rows, node, depth)
            for ch in node.children:
                emit(ch, depth + 1)
            if node.total:
                rows.append(total_line(node.total, node.yen, depth))
            return
        rows.append(account_line(node.name, node.yen, depth))

    return rows, emit


def b_brackets(c):
    """B, flat, code page 932: [製造原価報告書] [材料費] [労務費] [製造経費] headings,
    勘定科目／補助科目 and 期間残高, 営業損失 as a loss line."""
    rows = [f'試算表　{c.name}', '（単位：円）', '勘定科目／補助科目,期間残高']

    def heading(rows, node, depth):
        if node.name in ('損益計算書', '貸借対照表', '製造原価報告書') or depth <= 1:
            rows.append(f'[{node.name}],')

    out, emit = b_rows(c, heading, lambda n, y, d: f'{n},{money(y)}',
                       lambda n, y, d: f'{n},{money(y)}', lambda n, y: f'{n},{money(y)}', 'name')
    for root in (c.made, c.pl, c.bs):
        emit(root, 0)
    return '\r\n'.join(rows + out) + '\r\n'


def b_statement_column(c):
    """B, a 帳票 column naming the statement; no headings, totals below; 当月残高;
    negatives with a minus."""
    rows = ['帳票,勘定科目,当月残高']
    for statement, root in (('製造原価報告書', c.made), ('損益計算書', c.pl),
                            ('貸借対照表', c.bs)):
        def heading(rows, node, depth):
            pass
        out, emit = b_rows(c, heading, lambda n, y, d: f'{statement},{n},{money(y)}',
                           lambda n, y, d: f'{statement},{n},{money(y)}',
                           lambda n, y: f'{statement},{n},{money(y)}', 'sign')
        for ch in root.children:
            emit(ch, 1)
        if root.total:
            out.append(f'{statement},{root.total},{money(root.yen)}')
        rows += out
    return '\r\n'.join(rows) + '\r\n'


def b_tree(c):
    """B, a tree: every total stands above its accounts, indented by depth (two
    half-width spaces a level); 残高; losses with △."""
    rows = [f'{c.name}', '科目名,残高']

    def emit(node, depth):
        pad = '  ' * depth
        if isinstance(node, Diff):
            rows.append(f'{pad}{node.name},{money(node.fn(), minus="△")}')
            return
        if isinstance(node, Group):
            name = node.total if node.name in ('製造原価報告書',) else node.name
            rows.append(f'{pad}{name},{money(node.yen)}')
            for ch in node.children:
                emit(ch, depth + 1)
            return
        rows.append(f'{pad}{node.name},{money(node.yen)}')

    for ch in c.bs.children:
        emit(ch, 0)
    emit(c.made, 0)  # 当期製品製造原価 above the manufacturing costs
    for ch in c.pl.children:
        emit(ch, 0)
    return '\r\n'.join(rows) + '\r\n'


def b_no_cost_row(c):
    """B, UTF-8 with its mark: 【製造原価】 with its sections' totals but no
    当期製品製造原価, and no 売上原価 or 売上総利益 row: both follow from the rest."""
    rows = ['勘定科目,期末残高']

    def emit(node, depth, skip):
        if isinstance(node, Diff):
            if node.name == '売上総利益':
                return
            v = node.fn()
            rows.append(f'{node.name},{money(v)}')
            return
        if isinstance(node, Group):
            if node.name == '製造原価報告書':
                rows.append('【製造原価】,')
            elif depth <= 1 and node.name != '売上原価':
                rows.append(f'【{node.name}】,')
            elif node.name == '売上原価':
                rows.append('【売上原価】,')
            for ch in node.children:
                if isinstance(ch, Acct) and ch.name == '当期製品製造原価':
                    continue
                emit(ch, depth + 1, skip)
            if node.total and node.name not in ('製造原価報告書', '売上原価'):
                rows.append(f'{node.total},{money(node.yen)}')
            return
        rows.append(f'{node.name},{money(node.yen)}')

    for root in (c.bs, c.made, c.pl):
        emit(root, 0, False)
    return '\r\n'.join(rows) + '\r\n'


# Monthly tables ---------------------------------------------------------------------------

def month_rows(c, fmt, closing_column, with_half=False, ratio=False, subs=False, unit=1,
               tree=False, heading_style='【】', cumulative=False):
    """The profit-and-loss rows of a monthly table; cumulative: each month holds the
    year so far (累計)."""
    sales_total = [month_value(c.group('売上高'), i) for i in range(12)]
    rows = []

    def figures(months, closing, total):
        if not closing_column:
            months = months[:11] + [months[11] + closing]
        if cumulative:
            months = [sum(months[:i + 1]) for i in range(12)]
        shown = [money(m, unit=unit) for m in months]
        out = list(shown)
        if with_half:
            out = shown[:6] + [money(sum(months[:6]), unit=unit)] + shown[6:] + \
                [money(sum(months[6:]), unit=unit)]
        if closing_column:
            out.append(money(closing, unit=unit))
        out.append(money(total, unit=unit))
        if ratio:
            s = sum(sales_total) + closing_value(c.group('売上高'))
            out.append(f'{100.0 * total / s:.1f}')
        return out

    def node_months(node):
        return [month_value(node, i) for i in range(12)], closing_value(node)

    def emit(node, depth):
        pad = '　' * depth if tree else ''
        if isinstance(node, Diff):
            return
        if isinstance(node, Group):
            m, cl = node_months(node)
            if tree:
                rows.append(fmt(pad + node.name, figures(m, cl, node.yen)))
            elif heading_style:
                rows.append(fmt(heading_style[0] + node.name + heading_style[1], None))
            for ch in node.children:
                emit(ch, depth + 1)
            if node.total and not tree:
                rows.append(fmt(node.total, figures(m, cl, node.yen)))
            return
        m = node.months
        if subs and getattr(node, 'sub_months', None):
            for (sub, yen), sm in zip(node.subs, node.sub_months):
                rows.append(fmt((node.name, sub), figures(sm, 0, yen)))
            return
        if tree and getattr(node, 'sub_months', None):
            rows.append(fmt(pad + node.name, figures(m, node.closing, node.yen)))
            return
        rows.append(fmt(pad + node.name if tree else node.name,
                        figures(m, node.closing, node.yen)))

    roots = ([c.made] if c.made else []) + [c.pl]
    for root in roots:
        for ch in root.children:
            if isinstance(ch, Acct) and ch.name == '当期製品製造原価':
                continue
            emit(ch, 0)
    return rows


def month_names(start, style):
    out = []
    for i in range(12):
        m = (start - 1 + i) % 12 + 1
        year = 2024 if (start == 1 or m >= start) else 2025
        reiwa = year - 2018
        out.append({'plain': f'{m}月', 'do': f'{m}月度', 'western': f'{year}年{m}月',
                    'slash': f'{year}/{m:02d}', 'letter': f'R{reiwa}.{m}',
                    'era': f'令和{reiwa}年{m}月'}[style])
    return out


def monthly_unmapped(c, used, unit=1):
    out = []
    for root in ([c.made] if c.made else []) + [c.pl]:
        for path, a in walk(root):
            if id(a) in used or a.name == '当期製品製造原価':
                continue
            yen = a.yen
            if unit > 1:
                months = list(a.months[:11]) + [a.months[11] + a.closing]
                yen = sum(thousands(m) * 1000 for m in months)
            if yen:
                out.append(listed(a.name, yen))
    return out


def monthly_expected(c, start, unit=1, closing_column=True):
    cols, used = monthly(c)
    boxes = {}
    for column, months in cols.items():
        total = 0
        for row in range(12):
            if unit > 1:
                # A table in 千円: the file's own figures, added up for a box of several
                # accounts.
                shown = monthly_units(c, column, row)
            else:
                shown = thousands(months[row])
            boxes[month_box(row + 1, column)] = grouped(shown)
            total += shown
        boxes[month_box(13, column)] = grouped(total)
    return boxes, used


def monthly_units(c, column, row):
    cols = {1: ['製品売上高'], 3: ['材料仕入高'], 5: ['外注加工費']}
    if column in cols:
        accounts = [c.acct(n) for n in cols[column]]
    else:
        accounts = ([c.acct(n, '労務費') for n in ('賃金', '雑給', '賞与')] +
                    [c.acct(n, '販売費及び一般管理費') for n in ('役員報酬', '給料手当', '賞与')])
    total = 0
    for a in accounts:
        m = a.months[row] + (a.closing if row == 11 else 0)
        total += thousands(-m if a.contra else m)
    return total


def csv_row(name, figures, quote=True):
    if isinstance(name, tuple):
        name = ','.join(name)
    return name + ',' + (','.join(figures) if figures else '')



# Exports that say less in their headings -------------------------------------------------
# Each follows how an accounting program documents its export; tests/data/bookimport/
# companies/README.md names the documentation.

def pl_heading(node):
    """The P/L groups as a trial balance heads them, selling costs as [販売管理費]."""
    return '販売管理費' if node.name == '販売費及び一般管理費' else node.name


def a_sga_heading(c):
    """A, flat: [売上高] [売上原価] [販売管理費] … headings, no totals and no 売上総利益 in
    the profit and loss, 勘定科目 / 前期繰越 / 借方発生 / 貸方発生 / 期末残高."""
    rows = ['残高試算表', f'{c.name}', '（単位：円）',
            '勘定科目,前期繰越,借方発生,貸方発生,期末残高']

    def emit(node, top, pl):
        if isinstance(node, Diff):
            if node.name != '売上総利益':
                rows.append(f'{node.name},,,,{money(node.fn())}')
            return
        if isinstance(node, Group):
            if top:
                rows.append(f'[{pl_heading(node)}],,,,')
            for ch in node.children:
                emit(ch, False, pl)
            if node.total and not pl:
                rows.append(f'{node.total},,,,{money(node.yen)}')
            return
        rows.append(f'{node.name},0,{money(node.yen)},0,{money(node.yen)}')

    for g in c.bs.children:
        emit(g, True, False)
    for g in c.pl.children:
        emit(g, True, True)
    return '\r\n'.join(rows) + '\r\n'


def before_closing(c):
    """The year's profit is not yet in 繰越利益剰余金 of a trial balance: it stands apart
    in the profit and loss accounts."""
    return c.diff('税引前当期純利益')


def a_no_subtotals(c):
    """A, a 合計残高試算表 in its classic layout (借方残高 / 借方合計 / 勘定科目 / 貸方合計 /
    貸方残高) with 【資産】-style headings, accounts only, and a final 合計 row; the year's
    profit not yet closed into 繰越利益剰余金."""
    paths = {id(acct): path for path, acct in leaves(c)}
    heading = {'資産の部': '資産', '負債の部': '負債', '純資産の部': '純資産',
               '販売費及び一般管理費': '販売費及び一般管理費'}
    rows = ['合計残高試算表', f'{c.name}　令和7年3月31日現在', '借方残高,借方合計,勘定科目,貸方合計,貸方残高']
    totals = [0, 0, 0, 0]
    rnd = random.Random(7)

    def emit(node, top):
        if isinstance(node, Diff):
            return
        if isinstance(node, Group):
            if top:
                rows.append(f',,【{heading.get(node.name, node.name)}】,,')
            for ch in node.children:
                emit(ch, False)
            return
        yen = node.yen
        if node.name == '繰越利益剰余金':
            yen -= before_closing(c)
        credit = side_of(c, paths[id(node)], node)
        moved = rnd.randrange(100000, 5000000)
        if credit:
            cells = ['', moved, node.name, moved + yen, yen]
        else:
            cells = [yen, moved + yen, node.name, moved, '']
        for i, k in ((0, 0), (1, 1), (3, 2), (4, 3)):
            totals[k] += cells[i] or 0
        rows.append(','.join(money(x) if isinstance(x, int) else x for x in cells))

    for g in c.bs.children + c.pl.children:
        emit(g, True)
    rows.append(f'{money(totals[0])},{money(totals[1])},合計,{money(totals[2])},{money(totals[3])}')
    return '\r\n'.join(rows) + '\r\n'


def a_sigma_monthly(c):
    """A, a monthly profit and loss whose group totals are marked Σ and named like the
    group: the account 売上高 and then Σ 売上高; 決算整理 and 合計 columns."""
    heading = '勘定科目,' + ','.join(month_names(4, 'plain')) + ',決算整理,合計'
    rows = [heading]

    def figures(months, closing, total):
        return [money(m) for m in months] + [money(closing), money(total)]

    def emit(node):
        if isinstance(node, Diff):
            rows.append(node.name + ',' + ','.join(
                figures([0] * 12, 0, 0)).replace('0', ''))
            rows.pop()  # the profit lines are left out of this export
            return
        if isinstance(node, Group):
            for ch in node.children:
                emit(ch)
            months = [month_value(node, i) for i in range(12)]
            rows.append(f'Σ {node.name},' + ','.join(figures(months, closing_value(node),
                                                            node.yen)))
            return
        rows.append(f'{node.name},' + ','.join(figures(node.months, node.closing, node.yen)))

    for ch in c.pl.children:
        emit(ch)
    return '\r\n'.join(rows) + '\r\n'


def b_departments(c):
    """B, a trial balance by department (部門別): 勘定科目, one column a department, then
    合計; [製造原価報告書] … headings, totals below."""
    rows = ['部門別残高試算表', '（単位：円）', '勘定科目,本社,第一工場,営業所,合計']

    def split(yen):
        a = yen * 23 // 100
        b = yen * 41 // 100
        return [a, b, yen - a - b]

    def line(name, yen):
        return f'{name},' + ','.join(money(x) for x in split(yen) + [yen])

    def heading(rows, node, depth):
        if node.name in ('損益計算書', '貸借対照表', '製造原価報告書') or depth <= 1:
            rows.append(f'[{node.name}],,,,')

    out, emit = b_rows(c, heading, lambda n, y, d: line(n, y), lambda n, y, d: line(n, y),
                       lambda n, y: line(n, y), 'sign')
    for root in (c.made, c.pl, c.bs):
        emit(root, 0)
    return '\r\n'.join(rows + out) + '\r\n'


def a_monthly_trial_balance(c):
    """A, a monthly trial balance (月次残高試算表) for March: 前月末, 借方, 貸方, 当月, then
    the comparison columns 前年同月, 差額 and 対比; 【】 headings, totals below."""
    paths = {id(acct): path for path, acct in leaves(c)}
    rows = ['月次残高試算表　令和7年3月度', '勘定科目,前月末,借方,貸方,当月,前年同月,差額,対比']
    rnd = random.Random(3)

    def line(name, yen, credit):
        debit = rnd.randrange(0, 900000)
        credit_moved = rnd.randrange(0, 900000)
        moved = credit_moved - debit if credit else debit - credit_moved
        last_year = int(yen * rnd.uniform(0.7, 1.1))
        ratio = f'{100.0 * yen / last_year:.1f}' if last_year else ''
        return (f'{name},{money(yen - moved)},{money(debit)},{money(credit_moved)},{money(yen)},'
                f'{money(last_year)},{money(yen - last_year)},{ratio}')

    def emit(node, path, top):
        if isinstance(node, Diff):
            rows.append(line(node.name, node.fn(), True))
            return
        if isinstance(node, Group):
            if top:
                rows.append(f'【{node.name}】,,,,,,,')
            for ch in node.children:
                emit(ch, path + (node.name,), False)
            if node.total:
                credit = any(p in {'負債の部', '純資産の部', '売上高', '営業外収益'}
                             for p in path + (node.name,))
                rows.append(line(node.total, node.yen, credit))
            return
        rows.append(line(node.name, node.yen, side_of(c, paths[id(node)], node)))

    for g in c.bs.children + c.pl.children:
        emit(g, (), True)
    return '\r\n'.join(rows) + '\r\n'


def b_profit_and_loss_only(c):
    """B, a trial balance of the profit and loss alone whose balance column is headed by
    the month it closes (2024年12月), with 構成比; [] headings, totals below."""
    sales = c.group('売上高').yen
    rows = [f'損益試算表　{c.name}', '勘定科目,2024年12月,構成比']

    def line(n, y):
        return f'{n},{money(y)},{100.0 * y / sales:.1f}'

    def heading(rows, node, depth):
        if node.name in ('損益計算書', '製造原価報告書') or depth <= 1:
            rows.append(f'[{node.name}],,')

    out, emit = b_rows(c, heading, lambda n, y, d: line(n, y), lambda n, y, d: line(n, y),
                       lambda n, y: line(n, y), 'name')
    for root in (c.made, c.pl):
        emit(root, 0)
    return '\r\n'.join(rows + out) + '\r\n'


def a_two_blocks(c):
    """A, a trial balance in two blocks on the same lines: assets and costs on the left,
    liabilities, net assets and revenues on the right (勘定科目 / 前期繰越 / 借方 / 貸方 /
    当期残高 twice, an empty column between)."""
    def block(groups):
        out = []

        def emit(node, top):
            if isinstance(node, Diff):
                return
            if isinstance(node, Group):
                if top:
                    out.append(['【' + node.name + '】', '', '', '', ''])
                for ch in node.children:
                    emit(ch, False)
                if node.total:
                    out.append([node.total, '', '', '', money(node.yen)])
                return
            out.append([node.name, money(node.yen), '0', '0', money(node.yen)])

        for g in groups:
            emit(g, True)
        return out

    bs = {g.name: g for g in c.bs.children}
    pl = {g.name: g for g in c.pl.children if isinstance(g, Group)}
    left = block([bs['資産の部'], pl['売上原価'], pl['販売費及び一般管理費'],
                  pl['営業外費用'], pl['特別損失']])
    # The account form balances its profit and loss with the year's profit on the left.
    left.append(['税引前当期純利益', '', '', '', money(c.diff('税引前当期純利益'))])
    right = block([bs['負債の部'], bs['純資産の部'], pl['売上高'], pl['営業外収益']])
    heading = ['勘定科目', '前期繰越', '借方', '貸方', '当期残高']
    rows = ['残高試算表（勘定式）', ','.join(heading + [''] + heading)]
    for i in range(max(len(left), len(right))):
        l = left[i] if i < len(left) else [''] * 5
        r = right[i] if i < len(right) else [''] * 5
        rows.append(','.join(l + [''] + r))
    return '\r\n'.join(rows) + '\r\n'


def a_transposed_monthly(c):
    """A, a monthly table with its months down the rows (2024年04月 … 2025年03月, 合計)
    and its accounts across, as Excel saves 「Unicode テキスト」 (UTF-16LE with its mark,
    tabs); the closing entries are in the last month."""
    accounts = [a for root in (c.pl,) for _, a in walk(root)]
    rows = ['年月\t' + '\t'.join(a.name for a in accounts)]
    for i in range(12):
        m = (c.start - 1 + i) % 12 + 1
        year = 2024 if m >= c.start else 2025
        cells = [money(a.months[i] + (a.closing if i == 11 else 0), quote=False)
                 for a in accounts]
        rows.append(f'{year}年{m:02d}月\t' + '\t'.join(cells))
    rows.append('合計\t' + '\t'.join(money(a.yen, quote=False) for a in accounts))
    return '\r\n'.join(rows) + '\r\n'


# Columns and views -----------------------------------------------------------------------
# Exports that show the same accounts in several columns: years side by side, 税込 beside
# 税抜, before and after the closing entries, a plan beside the actual figures, and
# monthly tables of the year so far (累計).

def scaled_rows(c, columns, heading, roots=None, top_heading='[{}]'):
    """A trial balance of the statements with one cell for each of `columns`, each a
    function (node, yen) -> yen giving that column's view of a figure; totals and profit
    lines as the books give them in each view."""
    rows = [heading]

    def view(node, f):
        if isinstance(node, Diff):
            return None
        if isinstance(node, Group):
            return sum(v for v in (view(ch, f) for ch in node.children) if v is not None)
        return -f(node, node.yen) if node.contra else f(node, node.yen)

    def line(name, values):
        return name + ',' + ','.join(money(v) for v in values)

    def emit(node, top):
        if isinstance(node, Diff):
            rows.append(line(node.name, [int(node.fn() * f(node, 1000000) / 1000000)
                                         for f in columns]))
            return
        if isinstance(node, Group):
            if top:
                rows.append(top_heading.format(node.name) + ',' * len(columns))
            for ch in node.children:
                emit(ch, False)
            if node.total:
                rows.append(line(node.total, [view(node, f) for f in columns]))
            return
        rows.append(line(node.name, [f(node, node.yen) for f in columns]))

    for g in (roots if roots is not None else c.bs.children + c.pl.children):
        emit(g, True)
    return rows


def a_three_years(c):
    """A, 比較貸借対照表・比較損益計算書 of three business years, oldest first, each column
    headed by its year (2023年3月期 …): 弥生会計's 5期比較財務諸表 and freee's 期間比較."""
    older = [lambda n, y: int(y * 0.81), lambda n, y: int(y * 0.92), lambda n, y: y]
    rows = [f'{c.name}　比較財務諸表', '（単位：円）']
    rows += scaled_rows(c, older, '勘定科目,2023年3月期,2024年3月期,2025年3月期')
    return '\r\n'.join(rows) + '\r\n'


def b_three_years(c):
    """B, three business years in 令和 (令和4年度 … 令和6年度), oldest first, with 増減."""
    older = [lambda n, y: int(y * 0.88), lambda n, y: int(y * 1.07), lambda n, y: y,
             lambda n, y: y - int(y * 1.07)]
    rows = [f'年度比較　{c.name}']
    rows += scaled_rows(c, older, '科目,令和4年度,令和5年度,令和6年度,前年増減',
                        roots=c.bs.children + [c.made] + c.pl.children)
    return '\r\n'.join(rows) + '\r\n'


TAXED_GROUPS = {'売上高', '売上原価', '販売費及び一般管理費'}
UNTAXED = {'役員報酬', '給料手当', '雑給', '賞与', '法定福利費', '退職金', '租税公課',
           '減価償却費', '期首商品棚卸高', '期末商品棚卸高'}


def a_tax_views(c):
    """A, the balances 税込 and 税抜 side by side (期末残高(税込), 期末残高(税抜)): the
    books keep their figures with the tax (no 仮払消費税 account)."""
    paths = {id(acct): path for path, acct in leaves(c)}

    def without_tax(node, yen):
        taxable = (any(p in TAXED_GROUPS for p in paths.get(id(node), ())) and
                   node.name not in UNTAXED)
        return int(yen * 10 / 11) if taxable else yen

    rows = ['残高試算表', f'{c.name}　令和6年4月1日～令和7年3月31日']
    rows += scaled_rows(c, [lambda n, y: y, without_tax],
                        '勘定科目,期末残高(税込),期末残高(税抜)')
    return '\r\n'.join(rows) + '\r\n'


def b_closing_views(c):
    """B, the balances before and after the closing entries side by side (決算整理前残高,
    決算整理後残高): 減価償却費 and the closing stock appear only after them."""
    def before(node, yen):
        return yen - (getattr(node, "closing", 0) or 0)

    rows = [f'{c.name}　残高試算表（決算整理前・決算整理後）']
    rows += scaled_rows(c, [before, lambda n, y: y], '勘定科目,決算整理前残高,決算整理後残高',
                        roots=c.bs.children + [c.made] + c.pl.children)
    return '\r\n'.join(rows) + '\r\n'


def a_month_named_pl(c):
    """A, a trial balance of the profit and loss alone whose balance column is headed by
    the month it closes (2025年3月), then 売上高比; [] headings with no figures."""
    sales = c.group('売上高').yen
    rows = [f'損益計算書　{c.name}']
    rows += scaled_rows(c, [lambda n, y: y], '勘定科目,2025年3月', roots=c.pl.children)
    rows[1] = rows[1] + ',売上高比'
    out = [rows[0], rows[1]]
    for r in rows[2:]:
        cells = r.split(',')
        figure = r[len(cells[0]) + 1:]
        yen = int(figure.replace('"', '').replace(',', '')) if figure.strip() else None
        out.append(r + ',' + (f'{100.0 * yen / sales:.1f}' if yen is not None else ''))
    return '\r\n'.join(out) + '\r\n'


def a_monthly_trial_balance_month_named(c):
    """A, a monthly trial balance for March whose balance is headed by its month
    (前月末 / 借方 / 貸方 / 2025年3月) beside the same month a year before (2024年3月),
    差額 and 前年比."""
    paths = {id(acct): path for path, acct in leaves(c)}
    rows = ['月次残高試算表', '勘定科目,前月末,借方,貸方,2025年3月,2024年3月,差額,前年比']
    rnd = random.Random(5)

    def line(name, yen, credit):
        debit = rnd.randrange(0, 900000)
        credit_moved = rnd.randrange(0, 900000)
        moved = credit_moved - debit if credit else debit - credit_moved
        last_year = int(yen * rnd.uniform(0.7, 1.1))
        ratio = f'{100.0 * yen / last_year:.1f}%' if last_year else ''
        return (f'{name},{money(yen - moved)},{money(debit)},{money(credit_moved)},{money(yen)},'
                f'{money(last_year)},{money(yen - last_year)},{ratio}')

    def emit(node, path, top):
        if isinstance(node, Diff):
            rows.append(line(node.name, node.fn(), True))
            return
        if isinstance(node, Group):
            if top:
                rows.append(f'【{node.name}】,,,,,,,')
            for ch in node.children:
                emit(ch, path + (node.name,), False)
            if node.total:
                credit = any(p in {'負債の部', '純資産の部', '売上高', '営業外収益'}
                             for p in path + (node.name,))
                rows.append(line(node.total, node.yen, credit))
            return
        rows.append(line(node.name, node.yen, side_of(c, paths[id(node)], node)))

    for g in c.bs.children + c.pl.children:
        emit(g, (), True)
    return '\r\n'.join(rows) + '\r\n'


def a_planned(c):
    """A, 見積実績対比表: 実績 beside 見込 and 計画 (弥生会計's 予算設定 and 見積実績対比表,
    マネーフォワード's 予実管理)."""
    plans = [lambda n, y: y, lambda n, y: round(y * 1.04, -3), lambda n, y: round(y * 1.1, -4)]
    rows = [f'{c.name}　予算実績対比表', '（単位：円）']
    rows += scaled_rows(c, plans, '勘定科目,実績,見込,計画')
    return '\r\n'.join(rows) + '\r\n'


def make_views(a, b):
    """The shapes that show the same accounts in several columns."""
    order_a = [acct for _, acct in leaves(a)]
    boxes, used = main_expected(a)
    un = unmapped_main(a, used, order_a)
    for case, text, title, extra in [
        ('a_trialbalance_threeyears', a_three_years(a),
         'A: three business years side by side, oldest first (2023年3月期, 2024年3月期, '
         '2025年3月期)', ['note=この会社の事業年度']),
        ('a_trialbalance_taxviews', a_tax_views(a),
         'A: 期末残高(税込) beside 期末残高(税抜); the books keep the tax in (no 仮払消費税)',
         ['note=税込経理']),
        ('a_trialbalance_monthnamed', a_monthly_trial_balance_month_named(a),
         'A: monthly trial balance, its balance headed 2025年3月, beside 2024年3月, 差額 and '
         '前年比', []),
        ('a_trialbalance_planned', a_planned(a),
         'A: 実績 beside 見込 and 計画; the column question answered with its guess',
         ['columns=guess']),
    ]:
        write(case, 'books.csv', text)
        expected(case, title, 'mainAccounts', 4, 'books.csv', boxes, un, extra)

    pl_boxes = {k: v for k, v in boxes.items() if int(k[4:]) <= 19}
    pl_order = [acct for root in (a.pl,) for _, acct in walk(root)]
    write('a_trialbalance_plmonthnamed', 'books.csv', a_month_named_pl(a))
    expected('a_trialbalance_plmonthnamed', 'A: the profit and loss alone, its balance column '
             'headed 2025年3月, then 売上高比; [] headings', 'mainAccounts', 4, 'books.csv',
             pl_boxes, unmapped_main(a, used, pl_order))

    order_b = [acct for root in (b.bs, b.made, b.pl) for _, acct in walk(root)
               if acct.name != '当期製品製造原価']
    boxes, used = main_expected(b)
    un = unmapped_main(b, used, order_b)
    write('b_trialbalance_threeyears', 'books.csv', b_three_years(b))
    expected('b_trialbalance_threeyears', 'B: three business years in 令和 (令和4年度 … '
             '令和6年度), oldest first, then 前年増減', 'mainAccounts', 1, 'books.csv', boxes, un,
             ['note=この会社の事業年度'])
    write('b_trialbalance_closingviews', 'books.csv', b_closing_views(b))
    expected('b_trialbalance_closingviews', 'B: 決算整理前残高 beside 決算整理後残高',
             'mainAccounts', 1, 'books.csv', boxes, un, ['note=決算整理後'])

    # Monthly tables of the year so far.
    boxes, used = monthly_expected(a, 4)
    heading = '勘定科目,' + ','.join(month_names(4, 'plain'))
    rows = month_rows(a, lambda n, f: csv_row(n, f[:12]) if f else n + ',' * 12, False,
                      cumulative=True)
    write('a_monthly_cumulative', 'books.csv',
          '\r\n'.join(['月次推移表（累計）', f'{a.name}（単位：円）', heading] + rows) + '\r\n')
    expected('a_monthly_cumulative', 'A: 累計: each month the year so far, said in the title; '
             'no 合計 column', 'monthlyTable', 4, 'books.csv', boxes, monthly_unmapped(a, used),
             ['note=期首からの累計'])

    boxes, used = monthly_expected(b, 1)
    heading = '勘定科目,' + ','.join(month_names(1, 'slash')) + ',合計'
    rows = month_rows(b, lambda n, f: csv_row(n, f) if f else n + ',' * 13, False,
                      heading_style='[]', cumulative=True)
    write('b_monthly_cumulative', 'books.csv', '\r\n'.join([heading] + rows) + '\r\n')
    expected('b_monthly_cumulative', 'B: 2024/01 … 2024/12 each holding the year so far, with '
             'nothing in the headings to say so; 合計 is the last month', 'monthlyTable', 1,
             'books.csv', boxes, monthly_unmapped(b, used), ['note=期首からの累計'])


def make():
    a = a_books()
    b = b_books()
    order_a = [acct for _, acct in leaves(a)]
    cases = []

    # A, trial balances.
    boxes, used = main_expected(a)
    un = unmapped_main(a, used, order_a)
    write('a_trialbalance_flat', 'books.csv', a_flat_cp932(a))
    expected('a_trialbalance_flat', 'A: flat, code page 932, 【】 headings, totals below, '
             '補助科目 rows repeating their account (預り金 only by them), (単位：円)',
             'mainAccounts', 4, 'books.csv',
             boxes, un)

    f, used = a_thousands_boxes(a)
    boxes = {f'Text{k}': grouped(v // 1000 if v >= 0 else -((-v) // 1000)) for k, v in f.items()}
    write('a_trialbalance_thousands', 'books.csv', a_thousands(a))
    expected('a_trialbalance_thousands', 'A: 表示単位：千円, figures already in 千円, 科目 and '
             '当期残高', 'mainAccounts', 4, 'books.csv', boxes,
             unmapped_main(a, used, order_a, unit=1000))

    boxes, used = main_expected(a)
    write('a_trialbalance_columns', 'books.csv', a_hierarchy_columns(a))
    expected('a_trialbalance_columns', 'A: 区分 / 中区分 / 小区分 / 勘定科目 / 補助科目 over five '
             'columns, only 区分 headed; totals in their group\'s column', 'mainAccounts', 4,
             'books.csv', boxes, un)

    paths_a = {id(acct): path for path, acct in leaves(a)}
    write('a_trialbalance_debitcredit', 'books.txt', a_debit_credit_tab(a), tail=b'\x1a')
    expected('a_trialbalance_debitcredit', 'A: tab-separated code page 932 ending in 0x1A; '
             '科目コード + 科目名, 借方残高 and 貸方残高', 'mainAccounts', 4, 'books.txt', boxes,
             unmapped_main(a, used, order_a,
                           credit_of=lambda acct: side_of(a, paths_a[id(acct)], acct)))

    write('a_trialbalance_unicode', 'books.txt', a_unicode_text(a), encoding='utf-16-le',
          bom=b'\xff\xfe')
    expected('a_trialbalance_unicode', 'A: Excel 「Unicode テキスト」 (UTF-16LE with its mark, '
             'tabs), 科　　　目 and 残高, indented', 'mainAccounts', 4, 'books.txt', boxes, un)

    # B, trial balances.
    order_b = [acct for _, acct in leaves(b)]
    boxes, used = main_expected(b)
    un_b = unmapped_main(b, used, [x for x in order_b if x.name != '当期製品製造原価'])
    made_first = [acct for root in (b.made, b.pl, b.bs) for _, acct in walk(root)]
    for case, text, title, encoding, bom, name, order in [
        ('b_trialbalance_brackets', b_brackets(b),
         'B: [製造原価報告書] [材料費] [労務費] [製造経費] headings, 勘定科目／補助科目, '
         '期間残高, 営業損失', 'cp932', b'', 'books.csv', made_first),
        ('b_trialbalance_statement', b_statement_column(b),
         'B: a 帳票 column (製造原価報告書 / 損益計算書 / 貸借対照表), 当月残高, totals below',
         'cp932', b'', 'books.csv', made_first),
        ('b_trialbalance_tree', b_tree(b),
         'B: a tree, every total above its indented accounts, 科目名 and 残高, △', 'cp932', b'',
         'books.csv', order_b),
        ('b_trialbalance_nocost', b_no_cost_row(b),
         'B: UTF-8 with its mark, 【製造原価】 without 当期製品製造原価, no 売上原価 or '
         '売上総利益 row', 'utf-8', b'\xef\xbb\xbf', 'books.csv', order_b),
    ]:
        write(case, name, text, encoding=encoding, bom=bom)
        expected(case, title, 'mainAccounts', 1, name, boxes,
                 unmapped_main(b, used, [x for x in order if x.name != '当期製品製造原価']))

    # A, monthly tables: April to March.
    boxes, used = monthly_expected(a, 4)
    un = monthly_unmapped(a, used)
    heading = '勘定科目,' + ','.join(month_names(4, 'plain')) + ',合計'
    rows = month_rows(a, lambda n, f: csv_row(n, f) if f else n + ',' * 13, False)
    write('a_monthly_april', 'books.csv',
          '\r\n'.join(['月次推移表', f'{a.name}（単位：円）', heading] + rows) + '\r\n')
    expected('a_monthly_april', 'A: 4月 … 3月 and 合計, code page 932, 【】 headings, totals '
             'below', 'monthlyTable', 4, 'books.csv', boxes, un)

    names = month_names(4, 'do')
    heading = ('科目,' + ','.join(names[:6]) + ',上半期合計,' + ','.join(names[6:]) +
               ',下半期合計,決算整理,合計,構成比')
    rows = month_rows(a, lambda n, f: csv_row(n, f) if f else n + ',' * 17, True, with_half=True,
                      ratio=True)
    write('a_monthly_closing', 'books.csv', '\r\n'.join([heading] + rows) + '\r\n')
    expected('a_monthly_closing', 'A: 4月度 … 3月度 with 上半期合計, 下半期合計, 決算整理, 合計 '
             'and 構成比 (never months); 決算整理 into 3月', 'monthlyTable', 4, 'books.csv', boxes,
             un, ['note=決算整理の列の金額'])

    heading = '勘定科目\t補助科目\t' + '\t'.join(month_names(4, 'western')) + '\t合計'
    rows = month_rows(a, lambda n, f: ('\t'.join(n) if isinstance(n, tuple) else n + '\t') +
                      '\t' + '\t'.join(f or []), False, subs=True, heading_style='')
    rows = [r.replace('"', '') for r in rows]
    write('a_monthly_western', 'books.txt', '\r\n'.join([heading] + rows) + '\r\n')
    expected('a_monthly_western', 'A: 2024年4月 … 2025年3月, tab-separated code page 932, 売上高 '
             'only by its 補助科目', 'monthlyTable', 4, 'books.txt', boxes, un)

    # B, monthly tables: January to December.
    boxes, used = monthly_expected(b, 1)
    un = monthly_unmapped(b, used)
    heading = '勘定科目,' + ','.join(month_names(1, 'slash')) + ',決算整理,合計'
    rows = month_rows(b, lambda n, f: csv_row(n, f) if f else n + ',' * 14, True,
                      heading_style='[]')
    write('b_monthly_slash', 'books.csv', '\r\n'.join([heading] + rows) + '\r\n',
          encoding='utf-8')
    expected('b_monthly_slash', 'B: 2024/01 … 2024/12 with 決算整理, UTF-8, [製造原価報告書] '
             'sections: 人件費 from 労務費 and 販管費', 'monthlyTable', 1, 'books.csv', boxes, un,
             ['note=決算整理の列の金額'])

    boxes, used = monthly_expected(b, 1, unit=1000)
    heading = '科目,' + ','.join(month_names(1, 'era')) + ',合計'
    rows = month_rows(b, lambda n, f: csv_row(n, f), False, unit=1000, tree=True)
    write('b_monthly_thousands_tree', 'books.csv',
          '\r\n'.join(['月次推移表', '金額単位 千円', heading] + rows) + '\r\n')
    expected('b_monthly_thousands_tree', 'B: 令和6年1月 … 令和6年12月, 金額単位 千円, a tree '
             'with totals above', 'monthlyTable', 1, 'books.csv', boxes,
             monthly_unmapped(b, used, unit=1000))

    heading = '勘定科目,' + ','.join(month_names(1, 'letter')) + ',合計'
    boxes, used = monthly_expected(b, 1)
    rows = month_rows(b, lambda n, f: csv_row(n, f) if f else n + ',' * 13, False,
                      heading_style='〔〕')
    write('b_monthly_letters', 'books.csv', '\r\n'.join([heading] + rows) + '\r\n')
    expected('b_monthly_letters', 'B: R6.1 … R6.12, 〔〕 headings', 'monthlyTable', 1,
             'books.csv', boxes, un)


    # Exports that say less in their headings.
    boxes, used = main_expected(a)
    un = unmapped_main(a, used, order_a)
    write('a_trialbalance_sgaheading', 'books.csv', a_sga_heading(a))
    expected('a_trialbalance_sgaheading', 'A: [販売管理費] heads the selling costs; no totals '
             'and no 売上総利益 in the profit and loss', 'mainAccounts', 4, 'books.csv',
             boxes, un)

    write('a_trialbalance_nosubtotals', 'books.csv', a_no_subtotals(a))
    expected('a_trialbalance_nosubtotals', 'A: 合計残高試算表 (借方残高 / 借方合計 / 勘定科目 / '
             '貸方合計 / 貸方残高), 【資産】 headings, accounts only, a final 合計 row',
             'mainAccounts', 4, 'books.csv', boxes,
             [listed('繰越利益剰余金', -(a.acct('繰越利益剰余金').yen - before_closing(a)), True)
              if u.startswith('繰越利益剰余金') else u
              for u in unmapped_main(a, used, order_a,
                                     credit_of=lambda acct: side_of(a, paths_a[id(acct)], acct))])

    write('a_trialbalance_monthlycolumns', 'books.csv', a_monthly_trial_balance(a))
    expected('a_trialbalance_monthlycolumns', 'A: 月次残高試算表: 前月末, 借方, 貸方, 当月, '
             'then 前年同月, 差額, 対比', 'mainAccounts', 4, 'books.csv', boxes, un)

    write('a_trialbalance_twoblocks', 'books.csv', a_two_blocks(a))
    two_order = [acct for root in ([g for g in a.bs.children if g.name == '資産の部'] +
                                   [g for g in a.pl.children if isinstance(g, Group) and
                                    g.name not in ('売上高', '営業外収益')] +
                                   [g for g in a.bs.children if g.name != '資産の部'] +
                                   [g for g in a.pl.children if isinstance(g, Group) and
                                    g.name in ('売上高', '営業外収益')])
                 for _, acct in walk(root)]
    expected('a_trialbalance_twoblocks', 'A: two blocks on the same lines, assets and costs '
             'left, liabilities, net assets and revenues right', 'mainAccounts', 4, 'books.csv',
             boxes, unmapped_main(a, used, two_order))

    boxes, used = main_expected(b)
    write('b_trialbalance_departments', 'books.csv', b_departments(b))
    expected('b_trialbalance_departments', 'B: 本社 / 第一工場 / 営業所 / 合計 columns, no '
             'balance heading', 'mainAccounts', 1, 'books.csv', boxes,
             unmapped_main(b, used, [x for x in made_first if x.name != '当期製品製造原価']))

    pl_boxes = {k: v for k, v in boxes.items() if int(k[4:]) <= 19}
    pl_order = [acct for root in (b.made, b.pl) for _, acct in walk(root)
                if acct.name != '当期製品製造原価']
    write('b_trialbalance_plonly', 'books.csv', b_profit_and_loss_only(b))
    expected('b_trialbalance_plonly', 'B: the profit and loss alone, its balance column headed '
             '2024年12月, and 構成比', 'mainAccounts', 1, 'books.csv', pl_boxes,
             unmapped_main(b, used, pl_order))

    boxes, used = monthly_expected(a, 4)
    write('a_monthly_sigma', 'books.csv', a_sigma_monthly(a))
    expected('a_monthly_sigma', 'A: group totals marked Σ and named like their group (売上高 '
             'then Σ 売上高), 決算整理 and 合計', 'monthlyTable', 4, 'books.csv', boxes,
             monthly_unmapped(a, used), ['note=決算整理の列の金額'])

    write('a_monthly_transposed', 'books.txt', a_transposed_monthly(a), encoding='utf-16-le',
          bom=b'\xff\xfe')
    expected('a_monthly_transposed', 'A: months down the rows, accounts across, Excel '
             '「Unicode テキスト」', 'monthlyTable', 4, 'books.txt', boxes,
             monthly_unmapped(a, used), ['note=縦と横を入れ替えて'])

    make_views(a, b)

    # The books themselves, for whoever checks the figures.
    with open(os.path.join(OUT, 'books.txt'), 'w', encoding='utf-8') as out:
        for c in (a, b):
            out.write(f'{c.name}\n')
            for path, acct in leaves(c):
                out.write(f'  {"/".join(path)}/{acct.name}: {acct.yen:,}'
                          f'{" (taken off)" if acct.contra else ""}\n')
            for d in ('売上総利益', '営業利益', '経常利益', '税引前当期純利益'):
                out.write(f'  {d}: {c.diff(d):,}\n')
            boxes, _ = main_accounts(c)
            out.write('  item 7: ' + ', '.join(f'Text{k}={thousands(v):,}'
                                             for k, v in sorted(boxes.items())) + '\n')



# C and D: a builder and a restaurant ---------------------------------------------------
# 株式会社あおば建設 (C): a construction firm with a 完成工事原価報告書, business year
# 令和6年4月1日～令和7年3月31日, a profit. 株式会社ことり食堂 (D): a restaurant, business year
# 令和6年1月1日～令和6年12月31日, a profit.

def c_books():
    made = Group('完成工事原価報告書', [
        Acct('材料費', 28400000),
        Acct('労務費', 14200000),
        Acct('外注費', 38700000),
        Group('経費', [
            Acct('法定福利費', 1850000),
            Acct('福利厚生費', 320000),
            Acct('減価償却費', 1600000),
            Acct('地代家賃', 960000),
            Acct('租税公課', 380000),
            Acct('動力用水光熱費', 540000),
            Acct('機械等経費', 1240000),
            Acct('保険料', 410000),
            Acct('雑費', 186000),
        ], total='経費計', section='manufacturing'),
    ], total='当期工事原価', section='manufacturing')
    sales = Group('売上高', [Acct('完成工事高', 121450000)], total='売上高合計', side='C',
                  section='revenue')
    transfer = Acct('当期工事原価', made.yen)
    cost = Group('完成工事原価', [
        Acct('期首未成工事支出金', 3980000),
        transfer,
        Acct('期末未成工事支出金', 4320000, contra=True),
    ], total='完成工事原価合計', section='cost')
    expenses = Group('販売費及び一般管理費', [
        Acct('役員報酬', 9600000),
        Acct('給料手当', 7200000),
        Acct('賞与', 1200000),
        Acct('法定福利費', 1450000),
        Acct('福利厚生費', 240000),
        Acct('広告宣伝費', 380000),
        Acct('旅費交通費', 620000),
        Acct('接待交際費', 760000),
        Acct('通信費', 310000),
        Acct('減価償却費', 540000),
        Acct('地代家賃', 1440000),
        Acct('租税公課', 290000),
        Acct('支払手数料', 210000),
        Acct('雑費', 88000),
    ], total='販売費及び一般管理費合計', section='expenses')
    income = Group('営業外収益', [Acct('受取利息', 3200), Acct('雑収入', 150000)],
                   total='営業外収益合計', side='C', section='revenue')
    charges = Group('営業外費用', [Acct('支払利息', 420000)], total='営業外費用合計',
                    section='expenses')
    taxes = Group('法人税等', [Acct('法人税、住民税及び事業税', 2150000)], section='expenses')
    gross = Diff('完成工事総利益', lambda: sales.yen - cost.yen)
    operating = Diff('営業利益', lambda: gross.fn() - expenses.yen)
    ordinary = Diff('経常利益', lambda: operating.fn() + income.yen - charges.yen)
    pretax = Diff('税引前当期純利益', lambda: ordinary.fn())
    net = Diff('当期純利益', lambda: pretax.fn() - taxes.yen)
    pl = Group('損益計算書', [sales, cost, gross, expenses, operating, income, charges, ordinary,
                          pretax, taxes, net], side='C')
    assets = Group('資産の部', [
        Group('流動資産', [
            Group('現金預金', [
                Acct('現金', 85200),
                Acct('普通預金', 9876000),
                Acct('当座預金', 3210000),
            ], total='現預金小計'),
            Acct('受取手形', 2400000),
            Acct('完成工事未収入金', 18650000),
            Acct('未成工事支出金', 4320000),
            Acct('材料貯蔵品', 380000),
            Acct('前払費用', 120000),
        ], total='流動資産合計'),
        Group('固定資産', [
            Acct('建物', 8500000),
            Acct('構築物', 600000),
            Acct('機械装置', 5400000),
            Acct('車両運搬具', 3200000),
            Acct('工具器具備品', 450000),
            Acct('土地', 12000000),
            Acct('差入保証金', 300000),
        ], total='固定資産合計'),
    ], total='資産の部合計', side='D')
    liabilities = Group('負債の部', [
        Group('流動負債', [
            Acct('支払手形', 1800000),
            Acct('工事未払金', 7650000),
            Acct('短期借入金', 6000000),
            Acct('未払金', 980000),
            Acct('未払法人税等', 1250000),
            Acct('未成工事受入金', 3400000),
            Acct('預り金', 420000),
        ], total='流動負債合計'),
        Group('固定負債', [
            Acct('長期借入金', 15000000),
            Acct('役員借入金', 2000000),
        ], total='固定負債合計'),
    ], total='負債の部合計', side='C')
    equity = Group('純資産の部', [
        Acct('資本金', 10000000),
        Acct('繰越利益剰余金', assets.yen - liabilities.yen - 10000000),
    ], total='純資産の部合計', side='C')
    bs = Group('貸借対照表', [assets, liabilities, equity])
    return Company('C', '株式会社あおば建設', 4, bs, pl, made)


def d_books():
    sales = Group('売上高', [
        Acct('店内売上高', 52300000),
        Acct('テイクアウト売上高', 8760000),
        # A sales account of the restaurant's own chart: a sale by the section it stands in.
        Acct('ケータリング売上高', 1240000),
    ], total='売上高合計', side='C', section='revenue')
    cost = Group('売上原価', [
        Acct('期首原材料棚卸高', 480000),
        Acct('仕入高', 18900000),
        Acct('期末原材料棚卸高', 540000, contra=True),
    ], total='売上原価合計', section='cost')
    expenses = Group('販売費及び一般管理費', [
        Acct('役員報酬', 4800000),
        Acct('給与手当', 9600000),
        Acct('雑給', 7850000),
        Acct('賞与', 600000),
        Acct('法定福利費', 1520000),
        Acct('福利厚生費', 260000),
        Acct('地代家賃', 4200000),
        Acct('水道光熱費', 2350000),
        Acct('消耗品費', 980000),
        Acct('広告宣伝費', 420000),
        Acct('支払手数料', 1180000),
        Acct('減価償却費', 1100000),
        Acct('租税公課', 160000),
        Acct('修繕費', 310000),
        Acct('衛生費', 140000),
        Acct('雑費', 95000),
    ], total='販売費及び一般管理費合計', section='expenses')
    income = Group('営業外収益', [Acct('雑収入', 80000)], total='営業外収益合計', side='C',
                   section='revenue')
    charges = Group('営業外費用', [Acct('支払利息', 160000)], total='営業外費用合計',
                    section='expenses')
    taxes = Group('法人税等', [Acct('法人税、住民税及び事業税', 1830000)], section='expenses')
    gross = Diff('売上総利益', lambda: sales.yen - cost.yen)
    operating = Diff('営業利益', lambda: gross.fn() - expenses.yen)
    ordinary = Diff('経常利益', lambda: operating.fn() + income.yen - charges.yen)
    pretax = Diff('税引前当期純利益', lambda: ordinary.fn())
    net = Diff('当期純利益', lambda: pretax.fn() - taxes.yen)
    pl = Group('損益計算書', [sales, cost, gross, expenses, operating, income, charges, ordinary,
                          pretax, taxes, net], side='C')
    assets = Group('資産の部', [
        Group('流動資産', [
            Group('現金預金', [
                Acct('現金', 420000),
                Acct('普通預金', 5630000),
            ], total='現預金小計'),
            Acct('売掛金', 380000),
            Group('棚卸資産', [
                Acct('原材料', 540000),
                Acct('貯蔵品', 60000),
            ], total='棚卸資産小計'),
            Acct('従業員貸付金', 200000),
            Acct('前払費用', 90000),
        ], total='流動資産合計'),
        Group('固定資産', [
            Acct('建物附属設備', 6800000),
            Acct('工具器具備品', 1250000),
            Acct('車両運搬具', 900000),
            Acct('敷金', 1200000),
        ], total='固定資産合計'),
    ], total='資産の部合計', side='D')
    liabilities = Group('負債の部', [
        Group('流動負債', [
            Acct('買掛金', 1150000),
            Acct('未払金', 640000),
            Acct('未払費用', 520000),
            Acct('預り金', 180000),
            Acct('未払法人税等', 1830000),
        ], total='流動負債合計'),
        Group('固定負債', [
            Acct('長期借入金', 8000000),
            Acct('代表者借入金', 1500000),
        ], total='固定負債合計'),
    ], total='負債の部合計', side='C')
    equity = Group('純資産の部', [
        Acct('資本金', 3000000),
        Acct('繰越利益剰余金', assets.yen - liabilities.yen - 3000000),
    ], total='純資産の部合計', side='C')
    bs = Group('貸借対照表', [assets, liabilities, equity])
    return Company('D', '株式会社ことり食堂', 1, bs, pl, None)


def cd_main_accounts(c):
    """Item 7 in yen for C or D by the form's definitions, with the accounts it takes."""
    a = c.acct
    boxes = {}
    used = set()

    def take(box, *names, within=None, sign=1):
        total = 0
        for n in names:
            acct = a(n, within)
            used.add(id(acct))
            total += (-acct.yen if acct.contra else acct.yen) * sign
        boxes[box] = boxes.get(box, 0) + total

    if c.key == 'C':
        take(1, '完成工事高')
        boxes[3] = c.group('完成工事原価').yen
        take(4, '期首未成工事支出金')
        take(5, '材料費')
        # 労務費 as the report states it; 法定福利費 under 経費 is one of the other costs.
        take(6, '労務費')
        take(7, '外注費')
        take(8, '期末未成工事支出金', sign=-1)
        take(9, '減価償却費', within='完成工事原価報告書')
        take(10, '地代家賃', '租税公課', within='完成工事原価報告書')
        take(13, '給料手当', '賞与')
        take(14, '接待交際費')
        take(15, '減価償却費', within='販売費及び一般管理費')
        take(16, '地代家賃', '租税公課', within='販売費及び一般管理費')
        take(21, '現金', '普通預金', '当座預金')
        take(22, '受取手形')
        take(23, '完成工事未収入金')
        take(24, '未成工事支出金', '材料貯蔵品')
        take(26, '建物')
        take(27, '機械装置')
        take(28, '車両運搬具')
        take(29, '土地')
        take(31, '支払手形')
        take(32, '工事未払金')
        take(33, '役員借入金')
        take(34, '短期借入金', '長期借入金')
        used.add(id(a('当期工事原価', '完成工事原価')))
        boxes[11] = c.diff('完成工事総利益')
    else:
        take(1, '店内売上高', 'テイクアウト売上高', 'ケータリング売上高')
        boxes[3] = c.group('売上原価').yen
        take(4, '期首原材料棚卸高')
        take(5, '仕入高')
        take(8, '期末原材料棚卸高', sign=-1)
        # 従業員給料: 給与手当 (給料手当 by another name), 雑給 and 賞与.
        take(13, '給与手当', '雑給', '賞与')
        take(15, '減価償却費')
        take(16, '地代家賃', '租税公課')
        take(21, '現金', '普通預金')
        take(23, '売掛金')
        take(24, '原材料', '貯蔵品')
        take(25, '従業員貸付金')
        take(26, '建物附属設備')
        take(28, '車両運搬具')
        take(32, '買掛金')
        take(33, '代表者借入金')
        take(34, '長期借入金')
        boxes[11] = c.diff('売上総利益')
    take(12, '役員報酬')
    take(18, '支払利息')
    boxes[17] = c.diff('営業利益')
    boxes[19] = c.diff('税引前当期純利益')
    boxes[20] = c.group('資産の部').yen
    boxes[30] = c.group('負債の部').yen
    boxes[35] = c.group('純資産の部').yen
    return boxes, used


def cd_expected(c, drop=()):
    boxes, used = cd_main_accounts(c)
    return {f'Text{b}': grouped(thousands(y)) for b, y in boxes.items() if b not in drop}, used


def cd_credit(c):
    paths = {id(acct): path for path, acct in leaves(c)}
    return lambda acct: side_of(c, paths[id(acct)], acct)


def c_report_column(c):
    """C, as 弥生 / ジョブカン会計 write 試算表(期間) as text: a first line naming the table,
    its period, 税抜 and the unit; every cell in double quotes; an 出力帳票 column
    (貸借対照表 / 完成工事原価報告書 / 損益計算書); 科目区分 rows as totals below their
    accounts; 完成工事総利益."""
    q = lambda cells: ','.join(f'"{x}"' for x in cells)
    rows = [q(['試算表(期間)', '令和6年4月～令和7年3月', '税抜', '円']),
            q(['出力帳票', '勘定科目', '前月繰越', '借方', '貸方', '残高'])]

    def emit(statement, node):
        if isinstance(node, Diff):
            rows.append(q([statement, node.name, '', '', '', money(node.fn(), quote=False)]))
            return
        if isinstance(node, Group):
            for ch in node.children:
                emit(statement, ch)
            if node.total:
                rows.append(q([statement, node.total, '', '', '', money(node.yen, quote=False)]))
            return
        rows.append(q([statement, node.name, money(node.yen, quote=False), '0', '0',
                       money(node.yen, quote=False)]))

    for statement, root in (('貸借対照表', c.bs), ('完成工事原価報告書', c.made),
                            ('損益計算書', c.pl)):
        for ch in root.children:
            emit(statement, ch)
        if root.total:
            rows.append(q([statement, root.total, '', '', '', money(root.yen, quote=False)]))
    return '\r\n'.join(rows) + '\r\n'


def c_pca_tree(c):
    """C, as PCA会計 shows 合計残高試算表 in its ツリー形式: every 集計科目 above its
    accounts, which are indented below it (two half-width spaces a level); 科目コード,
    勘定科目, 前期繰越, 借方, 貸方, 残高; 完成工事原価報告書 heads its own accounts."""
    rows = [f'合計残高試算表,{c.name}', '科目コード,勘定科目,前期繰越,借方,貸方,残高']
    code = [1000]

    def emit(node, depth):
        pad = '  ' * depth
        if isinstance(node, Diff):
            rows.append(f',{pad}{node.name},,,,{money(node.fn())}')
            return
        if isinstance(node, Group):
            if node.name == '法人税等':  # one account, no 集計科目 of its own
                for ch in node.children:
                    emit(ch, depth)
                return
            rows.append(f',{pad}{node.name},,,,{money(node.yen)}')
            for ch in node.children:
                emit(ch, depth + 1)
            return
        code[0] += 1
        rows.append(f'{code[0]},{pad}{node.name},0,{money(node.yen)},0,{money(node.yen)}')

    for ch in c.bs.children:
        emit(ch, 0)
    emit(c.made, 0)
    for ch in c.pl.children:
        emit(ch, 0)
    return '\r\n'.join(rows) + '\r\n'


def c_printout(c):
    """C, 勘定奉行's 合計残高試算表 printed and saved as CSV: 借方残高 / 借方合計 / 勘定科目 /
    貸方合計 / 貸方残高, 【】 headings and totals below, 現預金小計; every 40 lines the page
    heading again (title, company and period, the column headings)."""
    paths = {id(acct): path for path, acct in leaves(c)}
    heading = '借方残高,借方合計,勘定科目,貸方合計,貸方残高'
    title = ['合計残高試算表,,,,', f'{c.name},,令和7年3月31日現在,,']
    body = []
    rnd = random.Random(11)
    net = c.diff('当期純利益')

    def line(name, yen, credit):
        moved = rnd.randrange(100000, 3000000)
        if credit:
            return f',{money(moved)},{name},{money(moved + yen)},{money(yen)}'
        return f'{money(yen)},{money(moved + yen)},{name},{money(moved)},'

    def emit(node, path, top):
        if isinstance(node, Diff):
            return
        if isinstance(node, Group):
            if top or node.name in ('経費',):
                body.append(f',,【{node.name}】,,')
            for ch in node.children:
                emit(ch, path + (node.name,), False)
            if node.total:
                credit = any(p in {'負債の部', '純資産の部', '売上高', '営業外収益'}
                             for p in path + (node.name,))
                # The net assets before the year's profit is closed into them.
                yen = node.yen - (net if node.name == '純資産の部' else 0)
                body.append(line(node.total, yen, credit))
            return
        yen = node.yen - (net if node.name == '繰越利益剰余金' else 0)
        body.append(line(node.name, yen, side_of(c, paths[id(node)], node)))

    for g in c.bs.children:
        emit(g, (), True)
    emit(c.made, (), True)
    for g in c.pl.children:
        emit(g, (), True)
    rows = title + [heading]
    for i, r in enumerate(body):
        if i and i % 40 == 0:
            rows += title + [heading]
        rows.append(r)
    return '\r\n'.join(rows) + '\r\n'


def d_freee(c):
    """D, as freee exports 試算表 in CSV (UTF-8): 勘定科目, 期首残高, 借方金額, 貸方金額,
    期末残高, 構成比; groups named on a row of their own with their total below; the
    profit lines as freee names them (売上総損益金額 … 当期純損益金額)."""
    names = {'売上総利益': '売上総損益金額', '営業利益': '営業損益金額',
             '経常利益': '経常損益金額', '税引前当期純利益': '税引前当期純損益金額',
             '当期純利益': '当期純損益金額'}
    rows = ['"勘定科目","期首残高","借方金額","貸方金額","期末残高","構成比"']

    def emit(node):
        if isinstance(node, Diff):
            rows.append(f'"{names[node.name]}","","","","{node.fn()}",""')
            return
        if isinstance(node, Group):
            rows.append(f'"{node.name}","","","","",""')
            for ch in node.children:
                emit(ch)
            if node.total:
                rows.append(f'"{node.total}","","","","{node.yen}",""')
            return
        rows.append(f'"{node.name}","0","{node.yen}","0","{node.yen}","1.00"')

    for g in c.bs.children + c.pl.children:
        emit(g)
    return '\n'.join(rows) + '\n'


def d_no_profit_lines(c):
    """D, 弥生会計's 残高試算表 as text with [売上高] [売上原価] [販売管理費] … headings and
    no totals or profit lines in the profit and loss; the year's profit not yet closed into
    繰越利益剰余金; 法人税、住民税及び事業税 straight after the 営業外費用."""
    rows = ['残高試算表', f'{c.name}', '（単位：円）', '勘定科目,前期繰越,借方発生,貸方発生,期末残高']
    net = c.diff('当期純利益')

    def emit(node, top, pl):
        if isinstance(node, Diff):
            return
        if isinstance(node, Group):
            if top and node.name != '法人税等':
                rows.append(f'[{pl_heading(node)}],,,,')
            for ch in node.children:
                emit(ch, False, pl)
            if node.total and not pl:
                # The net assets before the year's profit is closed into them.
                yen = node.yen - (net if node.name == '純資産の部' else 0)
                rows.append(f'{node.total},,,,{money(yen)}')
            return
        yen = node.yen - (net if node.name == '繰越利益剰余金' else 0)
        rows.append(f'{node.name},0,{money(yen)},0,{money(yen)}')

    for g in c.bs.children:
        emit(g, True, False)
    for g in c.pl.children:
        emit(g, True, True)
    return '\r\n'.join(rows) + '\r\n'


def d_pca_standard(c, subtotals_only=False):
    """D, PCA会計's 合計残高試算表 in its 標準形式 (accounts above their 集計科目, not
    indented), code page 932: 科目コード, 勘定科目, 前期繰越, 借方, 貸方, 残高; subtotals of
    the file's own (現預金小計, 棚卸資産小計) below their accounts."""
    rows = [f'{c.name}　合計残高試算表（令和6年12月31日）', '科目コード,勘定科目,前期繰越,借方,貸方,残高']
    code = [100]

    def emit(node):
        if isinstance(node, Diff):
            rows.append(f',{node.name},,,,{money(node.fn())}')
            return
        if isinstance(node, Group):
            for ch in node.children:
                emit(ch)
            total = node.total
            if subtotals_only and node.name in ('流動資産', '固定資産', '流動負債', '固定負債'):
                total = None
            if subtotals_only and total and total.endswith('の部合計'):
                total = total.replace('の部合計', '合計')
            if total:
                rows.append(f',{total},,,,{money(node.yen)}')
            return
        code[0] += 1
        rows.append(f'{code[0]},{node.name},0,{money(node.yen)},0,{money(node.yen)}')

    for g in c.bs.children + c.pl.children:
        emit(g)
    return '\r\n'.join(rows) + '\r\n'


def c_category_columns(c):
    """C, a 区分 column and a 中区分 column naming each account's place (流動資産 …
    完成工事原価報告書, 経費 within it), as マネーフォワード クラウド会計's 分類 does; no
    totals, the profit lines with no 区分."""
    rows = ['区分,中区分,勘定科目,残高']

    def emit(node, outer):
        if isinstance(node, Diff):
            rows.append(f',,{node.name},{money(node.fn())}')
            return
        if isinstance(node, Group):
            inner = outer
            if node.name in ('流動資産', '固定資産', '流動負債', '固定負債', '純資産の部',
                             '完成工事原価報告書', '売上高', '完成工事原価',
                             '販売費及び一般管理費', '営業外収益', '営業外費用', '法人税等'):
                inner = (node.name, '')
            elif node.name == '経費':
                inner = (outer[0], '経費')
            for ch in node.children:
                emit(ch, inner)
            return
        if node.name == '当期工事原価':
            return
        rows.append(f'{outer[0]},{outer[1]},{node.name},{money(node.yen)}')

    for ch in c.bs.children:
        emit(ch, ('', ''))
    emit(c.made, ('', ''))
    for ch in c.pl.children:
        emit(ch, ('', ''))
    return '\r\n'.join(rows) + '\r\n'


def d_months(d):
    """D's profit and loss month by month: the opening stock in the first month, the
    closing stock and 賞与's second half with the closing entries of the last."""
    rnd = random.Random(20240102)
    for _, acct in walk(d.pl):
        if acct.name == '期首原材料棚卸高':
            acct.months, acct.closing = [acct.yen] + [0] * 11, 0
        elif acct.name == '期末原材料棚卸高':
            acct.months, acct.closing = [0] * 12, acct.yen
        else:
            weights = [rnd.uniform(0.8, 1.2) for _ in range(12)]
            months = [int(acct.yen * w / sum(weights)) for w in weights]
            months[-1] += acct.yen - sum(months)
            acct.months, acct.closing = months, 0


def d_monthly_expected(d):
    """Item 17 for D: 売上, 仕入 and 人件費 (pay, officers included) month by month."""
    columns = {1: ['店内売上高', 'テイクアウト売上高', 'ケータリング売上高'], 3: ['仕入高'],
               6: ['役員報酬', '給与手当', '雑給', '賞与']}
    boxes = {}
    used = set()
    for column, names in columns.items():
        accts = [d.acct(n) for n in names]
        used.update(id(a) for a in accts)
        total = 0
        for row in range(12):
            shown = thousands(sum(a.months[row] + (a.closing if row == 11 else 0)
                                  for a in accts))
            boxes[month_box(row + 1, column)] = grouped(shown)
            total += shown
        boxes[month_box(13, column)] = grouped(total)
    return boxes, used


def make_c_d():
    c = c_books()
    d = d_books()

    boxes, used = cd_expected(c)
    made_first = [acct for root in (c.bs, c.made, c.pl) for _, acct in walk(root)
                  if acct.name != '当期工事原価']
    order = [acct for _, acct in leaves(c) if acct.name != '当期工事原価']
    write('c_trialbalance_reportcolumn', 'books.csv', c_report_column(c))
    expected('c_trialbalance_reportcolumn', 'C: 試算表(期間) as 弥生 / ジョブカン会計 write it, '
             'every cell quoted, an 出力帳票 column naming 完成工事原価報告書, 完成工事総利益',
             'mainAccounts', 4, 'books.csv', boxes,
             unmapped_main(c, used, made_first))
    write('c_trialbalance_pcatree', 'books.csv', c_pca_tree(c))
    expected('c_trialbalance_pcatree', 'C: PCA会計 ツリー形式, every 集計科目 above its indented '
             'accounts, the cost report heading its own', 'mainAccounts', 4, 'books.csv',
             boxes, unmapped_main(c, used, made_first))
    write('c_trialbalance_printout', 'books.csv', c_printout(c))
    expected('c_trialbalance_printout', 'C: 勘定奉行 合計残高試算表 printed to CSV, the page '
             'heading repeated every 40 lines, 現預金小計', 'mainAccounts', 4, 'books.csv',
             boxes, [listed('繰越利益剰余金', -(c.acct('繰越利益剰余金').yen - c.diff('当期純利益')),
                            True) if u.startswith('繰越利益剰余金') else u
                     for u in unmapped_main(c, used, made_first, credit_of=cd_credit(c))])

    write('c_trialbalance_category', 'books.csv', c_category_columns(c))
    expected('c_trialbalance_category', 'C: 区分 and 中区分 columns name each account\'s place '
             '(完成工事原価報告書, 経費), no totals', 'mainAccounts', 4, 'books.csv', boxes,
             unmapped_main(c, used, made_first))

    boxes, used = cd_expected(d)
    order = [acct for _, acct in leaves(d)]
    write('d_trialbalance_subtotals', 'books.csv', d_pca_standard(d, subtotals_only=True))
    expected('d_trialbalance_subtotals', 'D: PCA会計 標準形式 with the file\'s own subtotals '
             '(現預金小計, 棚卸資産小計) and 資産合計 straight after the accounts, no '
             '流動資産合計', 'mainAccounts', 1, 'books.csv', boxes,
             unmapped_main(d, used, order))
    write('d_trialbalance_freee', 'books.csv', d_freee(d), encoding='utf-8')
    expected('d_trialbalance_freee', 'D: freee 試算表 CSV (UTF-8), 期首残高 / 借方金額 / 貸方金額 '
             '/ 期末残高 / 構成比, 売上総損益金額 … 当期純損益金額', 'mainAccounts', 1,
             'books.csv', boxes, unmapped_main(d, used, order))
    write('d_trialbalance_noprofit', 'books.csv', d_no_profit_lines(d))
    net = d.diff('当期純利益')
    expected('d_trialbalance_noprofit', 'D: 弥生 残高試算表, [] headings, no totals or profit '
             'lines in the profit and loss, the year not closed, taxes straight after '
             '営業外費用', 'mainAccounts', 1, 'books.csv', boxes,
             [listed('繰越利益剰余金', d.acct('繰越利益剰余金').yen - net)
              if u.startswith('繰越利益剰余金') else u
              for u in unmapped_main(d, used, order)])
    write('d_trialbalance_pca', 'books.csv', d_pca_standard(d))
    expected('d_trialbalance_pca', 'D: PCA会計 標準形式, 科目コード, 現預金小計 and 棚卸資産小計 '
             'below their accounts', 'mainAccounts', 1, 'books.csv', boxes,
             unmapped_main(d, used, order))

    # D, a monthly profit and loss (月次推移表) for item 17.
    d_months(d)
    boxes, used = d_monthly_expected(d)
    heading = '勘定科目,' + ','.join(month_names(1, 'western')) + ',合計'
    rows = month_rows(d, lambda n, f: csv_row(n, f) if f else n + ',' * 13, False,
                      heading_style='[]')
    write('d_monthly_western', 'books.csv',
          '\r\n'.join(['月次推移表', f'{d.name}（単位：円）', heading] + rows) + '\r\n')
    expected('d_monthly_western', 'D: 月次推移表, 2024年1月 … 2024年12月 and 合計, [] headings, '
             'totals below: 売上 from 店内売上高, テイクアウト売上高 and ケータリング売上高, '
             '人件費 from 役員報酬, 給与手当, 雑給 and 賞与', 'monthlyTable', 1, 'books.csv',
             boxes, monthly_unmapped(d, used))

    with open(os.path.join(OUT, 'books.txt'), 'a', encoding='utf-8') as out:
        for co in (c, d):
            out.write(f'{co.name}\n')
            for path, acct in leaves(co):
                out.write(f'  {"/".join(path)}/{acct.name}: {acct.yen:,}'
                          f'{" (taken off)" if acct.contra else ""}\n')
            boxes, _ = cd_main_accounts(co)
            out.write('  item 7: ' + ', '.join(f'Text{k}={thousands(v):,}'
                                             for k, v in sorted(boxes.items())) + '\n')


if __name__ == '__main__':
    make()
    make_c_d()
