# Makes site_plan.dxf, the test fixture of a site plan drawn by another CAD program (run with /usr/bin/python3).
import ezdxf

doc = ezdxf.new("R2000")
doc.header["$DWGCODEPAGE"] = "ANSI_936"
doc.header["$INSUNITS"] = 4
# Two line types with patterns of their own: each must keep its own dashes.
doc.linetypes.add("DASHED", pattern=[0.75, 0.5, -0.25], description="Dashed __ __ __")
doc.linetypes.add("CENTER", pattern=[2.0, 1.25, -0.25, 0.25, -0.25], description="Center ____ _ ____")
doc.layers.add("建筑", color=5)
doc.layers.add("ROAD", color=8, linetype="DASHED")
doc.layers.add("道路中心线", color=1, linetype="CENTER")
doc.layers.add("HIDDEN_OFF", color=2).off()
doc.styles.add("HZ", font="simsun.ttf")

blk = doc.blocks.new("TREE", base_point=(0, 0))
blk.add_circle((0, 0), 1.5, dxfattribs={"layer": "0", "color": 3})
blk.add_line((-1.5, 0), (1.5, 0))
blk.add_text("树", dxfattribs={"height": 0.5, "style": "HZ"})

msp = doc.modelspace()
msp.add_line((0, 0), (100, 0), dxfattribs={"layer": "ROAD"})
msp.add_line((0, 20), (100, 20), dxfattribs={"layer": "ROAD", "color": 1})
msp.add_lwpolyline([(10, 30, 0, 0, 0), (40, 30, 0, 0, 0.5), (40, 60), (10, 60)], format="xyseb", close=True,
                   dxfattribs={"layer": "建筑"})
pl = msp.add_polyline2d([(50, 30), (80, 30), (80, 55)], dxfattribs={"layer": "建筑", "color": 4})
msp.add_arc((60, 80), 10, 30, 200, dxfattribs={"color": 6})
msp.add_circle((20, 80), 5)
msp.add_text("综合楼 Office", dxfattribs={"layer": "建筑", "height": 3, "rotation": 15, "style": "HZ", "width": 0.8})
msp.add_mtext("一号门卫室\\P第二行", dxfattribs={"char_height": 2.5, "width": 30, "insert": (5, 95)})
msp.add_blockref("TREE", (90, 90), dxfattribs={"xscale": 2, "yscale": 2, "rotation": 45})
msp.add_blockref("TREE", (95, 70))
hidden = msp.add_line((0, 100), (10, 100), dxfattribs={"layer": "HIDDEN_OFF"})
hidden.dxf.invisible = 1
# Kinds the engine does not keep: they must not disturb the rest.
msp.add_ellipse((50, 50), major_axis=(10, 0), ratio=0.5)
msp.add_spline([(0, 0), (10, 10), (20, 0), (30, 10)])
hatch = msp.add_hatch(color=2)
hatch.paths.add_polyline_path([(0, 0), (5, 0), (5, 5)], is_closed=True)
msp.add_linear_dim(base=(0, -10), p1=(0, 0), p2=(100, 0)).render()
doc.saveas("site_plan.dxf", encoding="gbk")
# A Chinese CAD program declares the code page its GBK bytes are in.
with open("site_plan.dxf", "rb") as f:
    data = f.read().replace(b"$DWGCODEPAGE\n  3\nANSI_1252", b"$DWGCODEPAGE\n  3\nANSI_936")
# ezdxf leaves the invisible flag out of R2000 files; other programs write it.
data = data.replace(b"  8\nHIDDEN_OFF\n100\nAcDbLine", b"  8\nHIDDEN_OFF\n 60\n1\n100\nAcDbLine")
with open("site_plan.dxf", "wb") as f:
    f.write(data)
