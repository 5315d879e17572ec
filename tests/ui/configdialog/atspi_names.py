# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the configuration dialog's drop-down lists through the AT-SPI bus,
as a screen reader does: for every object with the role "combo box" in the
applications registered on the accessibility bus, prints one line

    combo<TAB>name<TAB>value<TAB>names of the objects it is labelled by (|)

Waits up to TIMEOUT seconds (first argument, default 10) for at least
COUNT such lists (second argument, default 2). Exit status 0 when found, 1
otherwise. Needs DBUS_SESSION_BUS_ADDRESS with org.a11y.Bus on it."""
import asyncio
import sys

from dbus_next import Message, MessageType
from dbus_next.aio import MessageBus

ACCESSIBLE = "org.a11y.atspi.Accessible"
ROOT = "/org/a11y/atspi/accessible/root"
LABELLED_BY = 2  # ATSPI_RELATION_LABELLED_BY


async def call(bus, dest, path, iface, member, signature="", body=()):
    reply = await bus.call(Message(destination=dest, path=path, interface=iface, member=member,
                                   signature=signature, body=list(body)))
    if reply.message_type == MessageType.ERROR:
        raise RuntimeError(f"{member}: {reply.error_name} {reply.body}")
    return reply.body


async def prop(bus, dest, path, iface, name):
    [value] = await call(bus, dest, path, "org.freedesktop.DBus.Properties", "Get", "ss",
                         (iface, name))
    return value.value


async def name_of(bus, dest, path):
    return await prop(bus, dest, path, ACCESSIBLE, "Name")


async def walk(bus, dest, path, found, depth=0, seen=None):
    seen = seen if seen is not None else set()
    if depth > 12 or (dest, path) in seen or len(seen) > 3000:
        return
    seen.add((dest, path))
    try:
        [role] = await call(bus, dest, path, ACCESSIBLE, "GetRoleName")
    except RuntimeError:
        return
    if role == "combo box":
        name = await name_of(bus, dest, path)
        value = ""
        try:
            value = await prop(bus, dest, path, "org.a11y.atspi.Value", "Text")
        except RuntimeError:
            pass
        [relations] = await call(bus, dest, path, ACCESSIBLE, "GetRelationSet")
        labels = []
        for kind, targets in relations:
            if kind == LABELLED_BY:
                for tdest, tpath in targets:
                    labels.append(await name_of(bus, tdest, tpath))
        found.append((name, value, "|".join(labels)))
    [children] = await call(bus, dest, path, ACCESSIBLE, "GetChildren")
    for cdest, cpath in children:
        await walk(bus, cdest, cpath, found, depth + 1, seen)


async def main():
    timeout = float(sys.argv[1]) if len(sys.argv) > 1 else 10
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 2
    session = await MessageBus().connect()
    [address] = await call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress")
    bus = await MessageBus(bus_address=address).connect()
    loop = asyncio.get_running_loop()
    end = loop.time() + timeout
    found = []
    while True:
        found = []
        try:
            [apps] = await call(bus, "org.a11y.atspi.Registry", ROOT, ACCESSIBLE, "GetChildren")
            for dest, path in apps:
                await walk(bus, dest, path, found)
        except RuntimeError as e:
            print(f"# {e}", file=sys.stderr)
        if len(found) >= count or loop.time() > end:
            break
        await asyncio.sleep(0.3)
    for name, value, labels in found:
        print(f"combo\t{name}\t{value}\t{labels}")
    return 0 if len(found) >= count else 1


sys.exit(asyncio.run(main()))
