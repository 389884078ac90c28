#!/usr/bin/env python3
"""Writes the drip export fixtures the way drip's own export writes its CSV: the fields of its
day record as dotted columns, strings lower-cased, every quote doubled, a field wrapped in
quotes only when it holds a line feed, a tab, a comma, a semicolon, a full stop or an
apostrophe, rows joined by a line feed with none after the last. Run it from this folder."""

SCHEMA3 = ("date,temperature.value,temperature.exclude,temperature.time,temperature.note,"
           "isCycleStart,bleeding.value,bleeding.exclude,"
           "mucus.feeling,mucus.texture,mucus.value,mucus.exclude,"
           "cervix.opening,cervix.firmness,cervix.position,cervix.exclude,note.value,desire.value,"
           "sex.solo,sex.partner,sex.condom,sex.pill,sex.iud,sex.patch,sex.ring,sex.implant,"
           "sex.diaphragm,sex.none,sex.other,sex.note,"
           "pain.cramps,pain.ovulationPain,pain.headache,pain.backache,pain.nausea,"
           "pain.tenderBreasts,pain.migraine,pain.other,pain.note,"
           "mood.happy,mood.sad,mood.stressed,mood.balanced,mood.fine,mood.anxious,"
           "mood.energetic,mood.fatigue,mood.angry,mood.other,mood.note").split(",")
# Before the third schema: no isCycleStart and no mood.
SCHEMA2 = [c for c in SCHEMA3 if c != "isCycleStart" and not c.startswith("mood.")]


def value(v):
    if v is None:
        return ""
    if v is True:
        return "true"
    if v is False:
        return "false"
    if isinstance(v, (int, float)):
        text = repr(v)
        return text[:-2] if text.endswith(".0") else text
    text = str(v).lower().replace('"', '""')
    if any(c in text for c in "\n\t,;.'"):
        return '"' + text + '"'
    return text


def group_fill(columns, day):
    """A group present on a day has every boolean of it written, the rest empty."""
    row = {}
    for group in ("sex", "pain", "mood"):
        if any(k.startswith(group + ".") for k in day):
            for c in columns:
                if c.startswith(group + ".") and not c.endswith(".note"):
                    row[c] = False
    row.update(day)
    return row


def write(name, columns, days):
    lines = [",".join(columns)]
    for day in days:
        row = group_fill(columns, day)
        lines.append(",".join(value(row.get(c)) for c in columns))
    with open(name, "w", encoding="utf-8", newline="") as f:
        f.write("\n".join(lines))


def t(v, exclude=False, time="07:00"):
    return {"temperature.value": v, "temperature.exclude": exclude, "temperature.time": time}


def b(v, exclude=False):
    return {"bleeding.value": v, "bleeding.exclude": exclude}


def m(v, feeling, texture, exclude=False):
    return {"mucus.value": v, "mucus.feeling": feeling, "mucus.texture": texture,
            "mucus.exclude": exclude}


def day(date, *parts, **extra):
    d = {"date": date}
    for p in parts:
        d.update(p)
    for k, v in extra.items():
        d[k.replace("__", ".")] = v
    return d


schema3 = [
    day("2024-03-01", t(36.35), b(2), isCycleStart=True, note__value="Started in the night."),
    day("2024-03-02", t(36.3), b(3), pain__headache=True, mood__sad=True, isCycleStart=False),
    day("2024-03-03", b(3), m(2, 2, 0), isCycleStart=False),
    day("2024-03-04", b(1), isCycleStart=False),
    day("2024-03-05", b(0), isCycleStart=False),
    day("2024-03-06", m(0, 0, 0), isCycleStart=False),
    day("2024-03-07", m(1, 1, 0), isCycleStart=False),
    day("2024-03-08", t(36.45), m(1, 1, 0), isCycleStart=False),
    day("2024-03-09", m(2, 2, 0), isCycleStart=False),
    day("2024-03-10", m(3, 2, 1), sex__partner=True, sex__condom=True, isCycleStart=False),
    day("2024-03-11", m(4, 3, 2), note__value='Doctor said "fine"', isCycleStart=False),
    day("2024-03-12", t(36.7, exclude=True), note__value="fever", isCycleStart=False),
    day("2024-03-13", t(36.5), isCycleStart=False),
    day("2024-03-14", isCycleStart=False),
    day("2024-03-15", b(2, exclude=True), isCycleStart=False),
    day("2024-03-16", note__value="it's late\nsecond line", isCycleStart=False),
    day("2024-03-17", {"cervix.opening": 1, "cervix.firmness": 0, "cervix.position": 1,
                       "cervix.exclude": False}, desire__value=2, isCycleStart=False),
    day("2024-03-29", t(36.4), b(2), isCycleStart=True),
    day("2024-03-30", b(2), pain__cramps=True, isCycleStart=False),
    day("2024-04-10", b(1), isCycleStart=False),
]
write("drip-schema3.csv", SCHEMA3, schema3)

schema2 = [
    day("2023-11-02", t(36.55), b(3), note__value="tired; slept badly"),
    day("2023-11-03", t(36.5), b(2), pain__cramps=True, pain__tenderBreasts=True),
    day("2023-11-04", m(0, 0, 0)),
    day("2023-11-05", m(4, 3, 2), sex__partner=True, sex__note="'twas nice, really"),
]
write("drip-schema2.csv", SCHEMA2, schema2)

# A later drip: its columns in another order, and ones this reader has never seen.
later = ["date", "note.value", "bleeding.product", "bleeding.value", "bleeding.exclude",
         "isCycleStart", "temperature.value", "temperature.exclude", "sleep.hours"]
write("drip-later.csv", later, [
    day("2025-01-05", b(2), {"bleeding.product": "cup"}, isCycleStart=True, note__value="new phone"),
    day("2025-01-06", t(36.6), {"sleep.hours": 7.5}, isCycleStart=False),
])
