# Makes gbk_names.dxf: a plan in GBK declared ANSI_936 whose names are also valid UTF-8 bytes (run with /usr/bin/python3).
import ezdxf

# All but the last are GBK byte pairs that happen to be valid UTF-8 as well; 办公楼 is not.
NAMES = ["围墙", "路", "平台", "煤", "木", "陆", "卢", "毛", "道路中心线", "办公楼"]

doc = ezdxf.new("R2000")
doc.encoding = "gbk"   # writes $DWGCODEPAGE ANSI_936 and the texts as GBK bytes
msp = doc.modelspace()
for i, name in enumerate(NAMES):
    doc.layers.add(name, color=i + 1)
    msp.add_text(name, dxfattribs={"layer": name, "height": 2.5, "insert": (0, i * 5)})
doc.saveas("gbk_names.dxf")
