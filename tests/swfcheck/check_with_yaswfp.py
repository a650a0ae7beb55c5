#!/usr/bin/env python3
"""Parses the test movies with yaswfp, an SWF parser written apart from ours, and checks that
they hold what the writer meant: header fields, the tag sequence (sprites' too), and a few
values stated here by hand."""
import json
import pathlib
import subprocess
import sys

from yaswfp import swfparser


def tag_name(code):
    return swfparser.TAG_NAMES.get(code, "UnspecifiedObject(tag={})".format(code))


def names(codes):
    # yaswfp stops at End without listing it.
    return [tag_name(c) for c in codes if c != 0]


def signed(value, bits):
    """yaswfp reads some signed fields as unsigned."""
    return value - (1 << bits) if value >= 1 << (bits - 1) else value


def tags_named(tags, name):
    return [t for t in tags if t.name == name]


def check_by_hand(name, swf, fail):
    tags = swf.tags
    if name == "red_square":
        fail.check(tags[0].BackgroundColor == [0, 0, 255], "blue background")
        shape = tags[1].Shapes
        fail.check(shape.FillStyles.FillStyles[0].Color == [255, 0, 0], "red fill")
        records = shape.ShapeRecords
        fail.check(records[0].FillStyle1 == 1, "filled on the right")
        fail.check((records[1].MoveDeltaX, records[1].MoveDeltaY) == (2000, 2000), "square starts at 2000, 2000")
        deltas = [(getattr(r, "DeltaX", 0), getattr(r, "DeltaY", 0)) for r in records[2:]]
        fail.check(deltas == [(2000, 0), (0, 2000), (-2000, 0), (0, -2000)], "square edges " + repr(deltas))
    elif name == "two_frames":
        move = tags_named(tags, "PlaceObject2")[1]
        fail.check(move.PlaceFlagMove == 1 and move.PlaceFlagHasCharacter == 0, "second place moves")
        fail.check(move.Matrix.TranslateX == 5000, "moved to x 5000")
        fail.check(swf.header.FrameRate == 4 * 256, "4 fps")
    elif name == "gradients":
        band = tags_named(tags, "DefineShape3")[0].Shapes.FillStyles.FillStyles[0]
        fail.check(band.FillStyleType == 0x10, "linear gradient")
        stops = [(g.Ratio, g.Color) for g in band.Gradient.GradientRecords]
        fail.check(stops == [(0, [255, 0, 0, 255]), (255, [0, 0, 255, 255])], "gradient stops " + repr(stops))
        spot = tags_named(tags, "DefineShape3")[1].Shapes.FillStyles.FillStyles[0]
        fail.check(spot.FillStyleType == 0x12, "radial gradient")
    elif name == "curved":
        records = tags_named(tags, "DefineShape2")[0].Shapes.ShapeRecords
        curves = [r for r in records if r.name == "CurvedEdgeRecord"]
        fail.check(len(curves) == 4, "four curves")
        fail.check((curves[0].ControlDeltaX, curves[0].ControlDeltaY, curves[0].AnchorDeltaX,
                    curves[0].AnchorDeltaY) == (0, 2000, -2000, 0), "first curve")
        lines = tags_named(tags, "DefineShape2")[0].Shapes.LineStyles.LineStyles
        fail.check(lines[0].Width == 40 and lines[0].Color == [0, 0, 0], "black outline")
    elif name == "masked":
        mask = tags_named(tags, "PlaceObject2")[0]
        fail.check((mask.Depth, mask.CharacterId, mask.ClipDepth) == (1, 1, 2), "mask to depth 2")
    elif name == "kitchen_sink":
        wound = tags_named(tags, "DefineShape4")[0]
        fail.check(wound.UsesFillWindingRule == 1, "nonzero rule")
        fail.check(wound.Shapes.FillStyles.FillStyles[0].Gradient.FocalPoint == 0.5, "focal point")
        fail.check(wound.Shapes.LineStyles.LineStyles[0].Width == 60, "LINESTYLE2 width")
        layered = tags_named(tags, "DefineShape3")[1].Shapes.ShapeRecords
        restyled = [r for r in layered if getattr(r, "StateNewStyles", 0)]
        fail.check(len(restyled) == 1 and restyled[0].FillStyles.FillStyles[0].Color == [0, 255, 0, 255],
                   "new styles")
        named = tags_named(tags, "PlaceObject2")[1]
        fail.check((named.Depth, named.Ratio, named.Name) == (4, 7, "wound"), "ratio and name")
        m = named.Matrix
        fail.check((signed(m.RotateSkew1, m.NRotateBits), m.ScaleX) == (-32768, 32768), "rotation terms")
        three = tags_named(tags, "PlaceObject3")[0]
        fail.check((three.ClassName, three.BlendMode, three.CharacterId) == ("Layers", 1, 3), "PlaceObject3")
        # yaswfp keeps PlaceObject as raw bytes: character 2, depth 2.
        first = tags_named(tags, "PlaceObject")[0]
        fail.check(first.raw_payload[:4] == bytes([2, 0, 2, 0]), "PlaceObject")
        removed = tags_named(tags, "RemoveObject")[0]
        fail.check((removed.CharacterId, removed.Depth) == (4, 4), "RemoveObject")
        alpha = tags_named(tags, "PlaceObject2")[-1].ColorTransform
        fail.check(signed(alpha.AlphaAddTerm, alpha.NBits) == -64, "alpha add term")


class Failures:
    def __init__(self):
        self.count = 0
        self.where = ""

    def check(self, condition, what):
        if not condition:
            self.count += 1
            print("FAIL {}: {}".format(self.where, what))


def main():
    exe, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    folder.mkdir(parents=True, exist_ok=True)
    subprocess.run([exe, str(folder)], check=True)
    fail = Failures()
    checked = 0
    for expect_path in sorted(folder.glob("*.expect")):
        expect = json.loads(expect_path.read_text())
        for file_name, signature in expect["files"].items():
            fail.where = file_name
            with open(folder / file_name, "rb") as fh:
                swf = swfparser.SWFParser(fh)
            h = swf.header
            fail.check(h.Signature == signature, "signature " + h.Signature)
            fail.check(h.Version == expect["version"], "version")
            fail.check(h.FileLength == expect["length"], "file length {}".format(h.FileLength))
            fail.check(list(h.FrameSize) == expect["stage"], "stage {}".format(h.FrameSize))
            fail.check(h.FrameRate == expect["rate"], "frame rate")
            fail.check(h.FrameCount == expect["frames"], "frame count")
            got = [t.name for t in swf.tags]
            fail.check(got == names(expect["tags"]), "tags {} != {}".format(got, names(expect["tags"])))
            broken = [t.name for t in swf.tags if type(t).__name__ == "FailingObject"]
            fail.check(not broken, "tags yaswfp could not read: {}".format(broken))
            sprites = tags_named(swf.tags, "DefineSprite")
            fail.check(len(sprites) == len(expect["sprites"]), "sprite count")
            for sprite, codes in zip(sprites, expect["sprites"]):
                inner = [t.name for t in sprite.ControlTags]
                fail.check(inner == names(codes), "sprite tags {}".format(inner))
                fail.check(sprite.FrameCount == codes.count(1), "sprite frame count")
            check_by_hand(expect_path.stem, swf, fail)
            checked += 1
    fail.where = "all"
    fail.check(checked == 14, "{} movies checked".format(checked))
    print("checked {} movies, {} failures".format(checked, fail.count))
    return 1 if fail.count else 0


if __name__ == "__main__":
    sys.exit(main())
