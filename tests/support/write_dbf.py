# Writes a dBASE III table with python3-dbf, a writer independent of the
# program's reader. Reads a JSON object on standard input:
#   {"path": ..., "fields": "NAME C(30); ...", "codepage": "cp437",
#    "rows": [["text", ...], ...], "deleted": [row index, ...]}
import json
import sys

import dbf

spec = json.load(sys.stdin)
table = dbf.Table(spec["path"], spec["fields"], dbf_type="db3", codepage=spec.get("codepage", "cp437"))
table.open(dbf.READ_WRITE)
for row in spec["rows"]:
    table.append(tuple(row))
for index in spec.get("deleted", []):
    dbf.delete(table[index])
table.close()
