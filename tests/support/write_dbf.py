# Writes a dBASE III table with python3-dbf, a writer independent of the
# program's reader. Reads a JSON object on standard input:
#   {"path": ..., "fields": "NAME C(30); ...", "codepage": "cp437",
#    "rows": [["text", ...], ...], "deleted": [row index, ...]}
# A codepage of "" writes a header that names none (language driver 0), over
# text in the DOS code page 437, as DOS programs wrote their tables.
import json
import sys

import dbf

request = json.load(sys.stdin)
named = request.get("codepage", "cp437")
table = dbf.Table(request["path"], request["fields"], dbf_type="db3", codepage=named or "cp437")
table.open(dbf.READ_WRITE)
for row in request["rows"]:
    table.append(tuple(row))
if not named:
    table.codepage = dbf.CodePage("ascii")
for index in request.get("deleted", []):
    dbf.delete(table[index])
table.close()
