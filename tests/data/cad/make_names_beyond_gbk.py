# Makes the R2018 plans whose names GBK cannot hold (run with /usr/bin/python3):
# long_korean_layers.dxf, two layers whose names differ only in their last of 301 characters, and
# names_beyond_gbk.dxf, layers, a block and texts in Korean, German, symbols and an emoji.
import ezdxf

doc = ezdxf.new("R2018")
msp = doc.modelspace()
for i, (last, color) in enumerate([("가", 1), ("나", 2)]):
    name = "전" * 300 + last
    doc.layers.add(name, color=color)
    msp.add_line((0, i), (10, i), dxfattribs={"layer": name})
doc.saveas("long_korean_layers.dxf")

LAYERS = ["전기실", "Straße", "Ø100管", "😀layer"]
doc = ezdxf.new("R2018")
msp = doc.modelspace()
block = doc.blocks.new("Ø块")
block.add_text("Ø块", dxfattribs={"layer": "Ø100管", "height": 1})
for i, name in enumerate(LAYERS):
    doc.layers.add(name, color=i + 1)
    msp.add_text(name + " 配电", dxfattribs={"layer": name, "height": 2.5, "insert": (0, i * 5)})
msp.add_blockref("Ø块", (20, 0), dxfattribs={"layer": "전기실"})
doc.saveas("names_beyond_gbk.dxf")
