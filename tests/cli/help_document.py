"""The help document: shipped beside the program, self-contained, and covering what it must."""
import html.parser
import pathlib
import re
import sys

bin_dir = pathlib.Path(sys.argv[1])
source_dir = pathlib.Path(sys.argv[2])
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


shipped = bin_dir / "help" / "helphelp.htm"
source = source_dir / "help" / "helphelp.htm"
check(shipped.is_file(), f"{shipped} is missing")
raw = source.read_bytes()
if shipped.is_file():
    check(shipped.read_bytes() == raw, "the shipped help differs from help/helphelp.htm")
text = raw.decode("utf-8")  # raises on anything that is not UTF-8
check('<meta charset="utf-8">' in text, "no UTF-8 charset declaration")


class Structure(html.parser.HTMLParser):
    VOID = {"meta", "br", "img", "link", "hr", "input"}

    def __init__(self):
        super().__init__()
        self.open = []
        self.ids = set()
        self.links = []
        self.external = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if "href" in attrs:
            self.links.append(attrs["href"])
        for name in ("src", "srcset", "data"):
            if name in attrs:
                self.external.append(attrs[name])
        if tag == "link":
            self.external.append(attrs.get("href", ""))
        if tag not in self.VOID:
            self.open.append((tag, self.getpos()))

    def handle_endtag(self, tag):
        if not self.open or self.open[-1][0] != tag:
            failures.append(f"</{tag}> at line {self.getpos()[0]} closes nothing open")
            return
        self.open.pop()


s = Structure()
s.feed(text)
check(not s.open, f"elements left open: {s.open}")
check(not s.external, f"external assets: {s.external}")
for href in s.links:
    check(href.startswith("#"), f"link leaves the document: {href}")
    check(href[1:] in s.ids, f"link to a missing section: {href}")
check(not re.search(r"url\(|@import", text), "the style sheet loads something")

must_mention = [
    # menus
    "読み取り", "保存", "要目表印刷", "画面印刷", "ＤＸＦ出力", "全データーコピー", "寿命グラフコピー",
    "長さ・荷重切替", "材料編集", "係数編集",
    # the six checks and the other messages, exactly as the program shows them
    "エラー：バネ指数が４以下", "エラー：バネ指数が２２以上", "エラー：L2が密着高さより短い",
    "エラー:バネ高さの順番が不適", "エラー:ねじり応力オーバー", "エラー:有効巻き数が３以下です",
    "Calculation Success!", "エラー：バネ指数が範囲外", "グラフエリアオーバー",
    # constants of the formulas
    "9.8066", "9.807", "3.141592654", "0.615",
    # life classes
    "1000万", "100万", "10万", "6万", "4万", "3万", "2万", "1万以下",
    # files, printing and the companion command
    "*.abd", "aspring.abd", "aspring.dxf", "zaidat.dst", "keisuu.dat", "PDF保存", "既定のプリンター",
    "coilspring-cli", "calc", "materials import", "materials export", "dxf", "picture", "sheet",
    # recommended values and inputs
    "自由高さ=", "密着高さ=", "最大荷重=", "左巻", "30",
]
for phrase in must_mention:
    check(phrase in text, f"the help does not mention {phrase!r}")
check(re.search(r"[^.\d]9\.8[^\d]", text) is not None, "the factor 9.8 of the diagram is missing")

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
