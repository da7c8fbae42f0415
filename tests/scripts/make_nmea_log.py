#!/usr/bin/env python3
"""Write the NMEA 0183 log of a ship steaming a steady course and speed.

One RMC and one GGA sentence a fix, with their checksums, for gpsfake (or any reader of NMEA) to
replay. The ship holds its course: it follows the rhumb line (loxodrome) on a sphere of the
Earth's mean radius, 1 nm = 1852 m. The same options always give the same bytes.

Example, the day at 1 Hz the watch's test replays: a ship bound south-west into Hurricane
Lee's path from advisory 30 (September 2023) on:

  make_nmea_log.py --lat 32.3 --lon -53.5 --course 235 --speed 14 \\
      --start 2023-09-12T21:00:00Z --hours 24 --output lee_ship.nmea

gpsd 3.22 takes an NMEA date before 2017 for a GPS week rollover and reports it 1024 weeks
(7168 days) later: a log of an older storm replayed through gpsfake is dated 20 years on.
"""

import argparse
import datetime
import math
import sys

EARTH_RADIUS_M = 6371008.8  # the mean radius (IUGG)
METRES_PER_NM = 1852.0


def checksum(body):
    value = 0
    for char in body.encode("ascii"):
        value ^= char
    return "%02X" % value


def sentence(body):
    return "$%s*%s\r\n" % (body, checksum(body))


def angle(value, degree_digits, hemispheres):
    """ddmm.mmmm (latitude) or dddmm.mmmm (longitude) and its hemisphere letter.

    Rounded once to whole ten-thousandths of a minute, so 59.99995' never prints as 60.0000'.
    """
    ticks = round(abs(value) * 60 * 10000)
    degrees, minute_ticks = divmod(ticks, 60 * 10000)
    text = "%0*d%02d.%04d" % (degree_digits, degrees, minute_ticks // 10000, minute_ticks % 10000)
    return text, hemispheres[0] if value >= 0 else hemispheres[1]


def position_after(lat, lon, course_deg, distance_nm):
    """The end of the rhumb line from (lat, lon) on `course_deg` for `distance_nm`."""
    delta = distance_nm * METRES_PER_NM / EARTH_RADIUS_M  # radians of arc
    course = math.radians(course_deg)
    phi1 = math.radians(lat)
    phi2 = phi1 + delta * math.cos(course)
    if abs(phi2) > math.pi / 2:
        sys.exit("make_nmea_log.py: the line passes a pole; choose another course or duration")
    # Stretched latitude difference; on an east-west course it degenerates to cos(latitude).
    stretched = math.log(math.tan(math.pi / 4 + phi2 / 2) / math.tan(math.pi / 4 + phi1 / 2))
    q = (phi2 - phi1) / stretched if abs(stretched) > 1e-12 else math.cos(phi1)
    lam = math.radians(lon) + delta * math.sin(course) / q
    lon2 = (math.degrees(lam) + 540.0) % 360.0 - 180.0
    return math.degrees(phi2), lon2


def fix_sentences(time, lat, lon, course_deg, speed_kn, talker):
    hhmmss = time.strftime("%H%M%S") + ".00"
    ddmmyy = time.strftime("%d%m%y")
    lat_text, ns = angle(lat, 2, "NS")
    lon_text, ew = angle(lon, 3, "EW")
    rmc = "%sRMC,%s,A,%s,%s,%s,%s,%.2f,%.1f,%s,,,A" % (
        talker, hhmmss, lat_text, ns, lon_text, ew, speed_kn, course_deg, ddmmyy)
    # Quality 1 (GPS), 8 satellites, HDOP 0.9, 10 m above the geoid.
    gga = "%sGGA,%s,%s,%s,%s,%s,1,08,0.9,10.0,M,0.0,M,," % (
        talker, hhmmss, lat_text, ns, lon_text, ew)
    return sentence(gga) + sentence(rmc)


def utc_time(text):
    try:
        time = datetime.datetime.fromisoformat(text.replace("Z", "+00:00"))
    except ValueError:
        raise argparse.ArgumentTypeError("expected a UTC time like 2003-09-15T00:00:00Z")
    if time.tzinfo is None:
        time = time.replace(tzinfo=datetime.timezone.utc)
    return time.astimezone(datetime.timezone.utc)


def main():
    parser = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--lat", type=float, required=True,
                        help="start latitude, degrees, north positive")
    parser.add_argument("--lon", type=float, required=True,
                        help="start longitude, degrees, east positive")
    parser.add_argument("--course", type=float, required=True,
                        help="course over ground, degrees true")
    parser.add_argument("--speed", type=float, required=True, help="speed over ground, knots")
    parser.add_argument("--start", type=utc_time, required=True,
                        help="UTC time of the first fix, e.g. 2003-09-15T00:00:00Z")
    length = parser.add_mutually_exclusive_group(required=True)
    length.add_argument("--hours", type=float, help="duration in hours")
    length.add_argument("--seconds", type=float, help="duration in seconds")
    parser.add_argument("--interval", type=int, default=1,
                        help="whole seconds between fixes (default 1, i.e. 1 Hz)")
    parser.add_argument("--talker", default="GP", help="talker id of the sentences (default GP)")
    parser.add_argument("--output", default="-", help="the log file (default: standard output)")
    args = parser.parse_args()

    if not (-90 < args.lat < 90) or not (-180 <= args.lon <= 180):
        parser.error("the start position is out of range")
    if args.speed < 0 or args.interval < 1:
        parser.error("the speed must not be negative and the interval must be at least 1 s")
    duration_s = args.seconds if args.seconds is not None else args.hours * 3600.0
    if duration_s < 0:
        parser.error("the duration must not be negative")
    course = args.course % 360.0

    out = sys.stdout if args.output == "-" else open(args.output, "w", newline="")
    # The fix at the end of the duration is written too: --seconds 60 gives 61 fixes at 1 Hz.
    for index in range(int(duration_s // args.interval) + 1):
        elapsed = index * args.interval
        time = args.start + datetime.timedelta(seconds=elapsed)
        lat, lon = position_after(args.lat, args.lon, course, args.speed * elapsed / 3600.0)
        out.write(fix_sentences(time, lat, lon, course, args.speed, args.talker))
    if out is not sys.stdout:
        out.close()


if __name__ == "__main__":
    main()
