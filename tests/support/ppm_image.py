"""Reads a screenshot saved as binary PPM with 8-bit channels (ImageMagick:
import -window root -depth 8 ppm:FILE), for the real-window tests that
compare screen pixels."""


def load(path):
    """The picture as a function of x and y giving the pixel's RGB bytes."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:  # P6, width, height, maximum
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError(f"{path}: not an 8-bit binary PPM")
    width = int(fields[1])
    start = pos + 1
    return lambda x, y: data[start + 3 * (y * width + x):start + 3 * (y * width + x) + 3]
