"""A symmetric, inkblot-like shape for the pictures the installation tree ships.

The shape is the system's own: a few soft round masses on the right half, mirrored to the left,
with two small white gaps, thresholded into a blot. It is not drawn after any Rorschach plate.
Only the Python standard library is used, and the same arguments always give the same pixels
(the variations come from a small fixed generator, not from the random module).
"""
import math

# Masses of the right half in unit coordinates (x right, y down, the blot within -1..1):
# centre x, centre y, horizontal radius, vertical radius, weight. A negative weight cuts a
# white gap.
BASE_MASSES = (
    (0.00, -0.05, 0.25, 0.42, 1.00),  # the body on the axis
    (0.00, -0.62, 0.11, 0.16, 0.90),  # the head
    (0.00, 0.55, 0.13, 0.24, 0.90),  # the tail
    (0.30, -0.20, 0.22, 0.22, 1.00),  # the upper wing
    (0.56, -0.44, 0.20, 0.15, 0.95),  # its outer part
    (0.82, -0.66, 0.13, 0.09, 0.85),  # the wing tip
    (0.46, 0.10, 0.22, 0.16, 0.95),  # the lower wing
    (0.76, 0.02, 0.12, 0.09, 0.80),  # its edge
    (0.28, 0.44, 0.17, 0.20, 0.90),  # the lower lobe
    (0.46, 0.70, 0.09, 0.09, 0.80),  # its point
    (0.94, -0.30, 0.035, 0.035, 0.95),  # a droplet off the wing
    (0.86, 0.36, 0.03, 0.03, 0.95),  # a droplet below it
    (0.24, -0.58, 0.10, 0.14, -0.90),  # the notch between head and wing
    (0.64, 0.34, 0.14, 0.10, -0.60),  # the bay under the lower wing
    (0.13, -0.16, 0.03, 0.18, -0.80),  # the slit beside the body
    (0.42, -0.06, 0.10, 0.03, -0.90),  # the gap between the wings
)
THRESHOLD = 0.6


class Lcg:
    """A small linear congruential generator, so that the pictures never change by accident."""

    def __init__(self, seed: int) -> None:
        self.state = (seed * 2654435761 + 12345) & 0xFFFFFFFF

    def uniform(self, low: float, high: float) -> float:
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return low + (high - low) * self.state / 0xFFFFFFFF


def masses(variant: int = 0) -> list:
    """The masses of the blot; variant 0 is the base shape, others move each mass a little."""
    if variant == 0:
        return list(BASE_MASSES)
    lcg = Lcg(variant)
    moved = []
    for x, y, rx, ry, w in BASE_MASSES:
        dx = 0.0 if x == 0.0 else lcg.uniform(-0.06, 0.06)
        grow = lcg.uniform(0.85, 1.15)
        moved.append((max(0.0, x + dx), y + lcg.uniform(-0.06, 0.06), rx * grow, ry * grow, w))
    return moved


def lattice(ix: int, iy: int, seed: int) -> float:
    """A fixed pseudo-random value in -1..1 for a lattice point."""
    h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 32767.5 - 1.0


def noise(x: float, y: float, seed: int) -> float:
    """Smooth value noise: the lattice values, blended with a smoothstep."""
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    top = lattice(ix, iy, seed) + (lattice(ix + 1, iy, seed) - lattice(ix, iy, seed)) * sx
    bottom = lattice(ix, iy + 1, seed) + (lattice(ix + 1, iy + 1, seed) - lattice(ix, iy + 1, seed)) * sx
    return top + (bottom - top) * sy


def density(x: float, y: float, shape: list, seed: int = 0) -> float:
    """The ink density at (x, y); the blot is where it reaches THRESHOLD."""
    x = abs(x)
    total = 0.0
    for mx, my, rx, ry, w in shape:
        total += w * math.exp(-((x - mx) / rx) ** 2 - ((y - my) / ry) ** 2)
    # Two octaves of noise roughen the outline, so that the edge reads as ink, not as circles.
    total += 0.35 * noise(x * 3.5, y * 3.5, seed) + 0.12 * noise(x * 8.0, y * 8.0, seed + 1)
    return total


def coverage(width: int, height: int, variant: int = 0, margin: float = 0.06, samples: int = 4) -> list:
    """Rows of ink coverage 0.0..1.0 for a picture of width x height pixels.

    The blot fills the square inside the margin (a fraction of the smaller side); each pixel is
    sampled samples x samples times for smooth edges.
    """
    shape = masses(variant)
    side = min(width, height) * (1.0 - 2.0 * margin)
    scale = 2.0 / side
    cx, cy = width / 2.0, height / 2.0
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            inked = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples - cx) * scale
                    y = (py + (sy + 0.5) / samples - cy) * scale
                    if density(x, y, shape, variant) >= THRESHOLD:
                        inked += 1
            row.append(inked / (samples * samples))
        rows.append(row)
    return rows
