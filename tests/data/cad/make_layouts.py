# Makes hostile/two-layouts.dxf: a plan whose title frames stand in two layouts, as CAD programs write them (run with /usr/bin/python3).
import ezdxf

doc = ezdxf.new("R2000")
doc.encoding = "gbk"   # writes $DWGCODEPAGE ANSI_936 and the texts as GBK bytes
doc.layers.add("图框", color=7)
title = doc.blocks.new("标题栏", base_point=(0, 0))
title.add_line((0, 0), (180, 0))
title.add_line((0, 0), (0, 56))

msp = doc.modelspace()
msp.add_line((0, 0), (100, 0))
msp.add_circle((50, 50), 5)

# The first layout: its entities stand in ENTITIES, flagged as paper space.
doc.layouts.rename("Layout1", "A1图框")
a1 = doc.layouts.get("A1图框")
a1.add_lwpolyline([(0, 0), (841, 0), (841, 594), (0, 594)], close=True, dxfattribs={"layer": "图框"})
a1.add_text("一号总平面图", dxfattribs={"layer": "图框", "height": 5, "insert": (700, 10)})
a1.add_line((661, 0), (661, 56), dxfattribs={"layer": "图框"})

# The second layout: its entities stand in the block *Paper_Space0.
a3 = doc.layouts.new("A3图框")
a3.add_polyline2d([(0, 0), (420, 0), (420, 297), (0, 297)], close=True, dxfattribs={"layer": "图框", "color": 3})
a3.add_text("防雷平面图", dxfattribs={"layer": "图框", "height": 3.5, "insert": (300, 10)})
a3.add_blockref("标题栏", (240, 0), dxfattribs={"layer": "图框"})
doc.saveas("hostile/two-layouts.dxf")
