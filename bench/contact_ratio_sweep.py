#!/usr/bin/env python3
"""The peer of `orvik --formula 齿轮/直齿轮端面重合度.tfl --sweep z1=12:60 --points 10000`
in a plain Python loop: the formula's nine statements with its inputs, in
degrees, the same conversions and the same inverse involute iteration as the
engine, printing the same table ("%.17g", tab separated).

    contact_ratio_sweep.py [POINTS]
"""
import math
import sys

TO_RADIANS = 0.01745329251994
TO_DEGREES = 57.29577951308232
PI = 3.141592653589793
TOLERANCE = 1e-8
STEP_LIMIT = 200

HEADER = ("z1\txΣ=x1+x2\tαw=ainv(2*xΣ*tan(α)/(z1+z2)+inv(α))\ty=(z1+z2)/2*(cos(α)/cos(αw)-1)\t"
          "Δy=xΣ-y\tda1=m*(z1+2*ha+2*x1-2*Δy)\tda2=m*(z2+2*ha+2*x2-2*Δy)\t"
          "αa1=acos(m*z1*cos(α)/da1)\tαa2=acos(m*z2*cos(α)/da2)\t"
          "εα=(z1*(tan(αa1)-tan(αw))+z2*(tan(αa2)-tan(αw)))/(2*π)")


def involute(a):
    return math.tan(a) - a


def inverse_involute(y):
    """The angle in radians whose involute is y, by the secant steps."""
    if y < 0:
        raise ValueError("inverse involute of a negative value")
    f = lambda a: involute(a) - y
    d0, d1 = 88.0, 88.1
    if y < involute(25 * TO_RADIANS):
        d0, d1 = 25.0, 25.1
    elif y < involute(50 * TO_RADIANS):
        d0, d1 = 49.9, 50.1
    elif y < involute(70 * TO_RADIANS):
        d0, d1 = 69.9, 70.1
    a0, a1 = d0 * TO_RADIANS, d1 * TO_RADIANS
    a2 = a0 - f(a0) * (a0 - a1) / (f(a0) - f(a1))
    if abs(a2 - a0) <= TOLERANCE:
        return a2
    upper = 89.9 * TO_RADIANS
    previous, current = a0, a2
    for _ in range(STEP_LIMIT):
        following = current - f(current) * (current - previous) / (f(current) - f(previous))
        if not (0 <= following <= upper):
            break
        if abs(following - current) <= TOLERANCE:
            return following
        previous, current = current, following
    raise ValueError("inverse involute does not converge")


def contact_ratio(z1, m=2.0, z2=40.0, alpha=20.0, ha=1.0, x1=0.0, x2=0.0):
    xs = x1 + x2
    aw = inverse_involute(2 * xs * math.tan(alpha * TO_RADIANS) / (z1 + z2) + involute(alpha * TO_RADIANS)) * TO_DEGREES
    y = (z1 + z2) / 2 * (math.cos(alpha * TO_RADIANS) / math.cos(aw * TO_RADIANS) - 1)
    dy = xs - y
    da1 = m * (z1 + 2 * ha + 2 * x1 - 2 * dy)
    da2 = m * (z2 + 2 * ha + 2 * x2 - 2 * dy)
    aa1 = math.acos(m * z1 * math.cos(alpha * TO_RADIANS) / da1) * TO_DEGREES
    aa2 = math.acos(m * z2 * math.cos(alpha * TO_RADIANS) / da2) * TO_DEGREES
    ea = (z1 * (math.tan(aa1 * TO_RADIANS) - math.tan(aw * TO_RADIANS))
          + z2 * (math.tan(aa2 * TO_RADIANS) - math.tan(aw * TO_RADIANS))) / (2 * PI)
    return (xs, aw, y, dy, da1, da2, aa1, aa2, ea)


def main():
    points = int(sys.argv[1]) if len(sys.argv) > 1 else 10000
    first, last = 12.0, 60.0
    lines = [HEADER]
    for i in range(points):
        z1 = last if i == points - 1 else first + i / (points - 1) * (last - first)
        lines.append("\t".join("%.17g" % v for v in (z1,) + contact_ratio(z1)))
    sys.stdout.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
