"""LISEZMOI.txt in the release archive is the guide's text in UTF-8 with a BOM
and CRLF at the end of every line, which Notepad of every Windows reads.
   test_guide.py ARCHIVE.zip dist/LISEZMOI.txt"""
import sys
import zipfile

archive, source = sys.argv[1:]
data = zipfile.ZipFile(archive).read("LISEZMOI.txt")
faults = [] if data.startswith(b"\xef\xbb\xbf") else ["no UTF-8 BOM"]
lines = data.split(b"\r\n")
if lines[-1]:
    faults.append("the last line has no CRLF")
faults += [f"line {n}: a CR or LF alone" for n, line in enumerate(lines, 1) if b"\r" in line or b"\n" in line]
expected = open(source, encoding="utf-8-sig", newline="").read().replace("\r\n", "\n")
if data.decode("utf-8-sig").replace("\r\n", "\n") != expected:
    faults.append(f"not the text of {source}")
print("\n".join(faults) or f"LISEZMOI.txt: BOM and CRLF on all {len(lines) - 1} lines")
sys.exit(1 if faults else 0)
