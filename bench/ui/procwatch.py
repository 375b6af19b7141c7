"""What /proc tells about the measured program: CPU time, whether a thread wants the CPU, memory
(VmRSS now, VmHWM the peak), and the machine's load average."""

import os

TICK = 1.0 / os.sysconf('SC_CLK_TCK')


def _stat_fields(path):
    with open(path) as f:
        data = f.read()
    # The command name is in parentheses and may hold blanks.
    return data[data.rindex(')') + 2:].split()


class Process:
    """One process, by pid."""

    def __init__(self, pid):
        self.pid = pid

    def cpu_seconds(self):
        """User and system CPU time of all threads so far."""
        fields = _stat_fields('/proc/%d/stat' % self.pid)
        return (int(fields[11]) + int(fields[12])) * TICK

    def busy(self):
        """True when a thread runs or waits for the CPU (state R) or for the disk (state D)."""
        try:
            tasks = os.listdir('/proc/%d/task' % self.pid)
        except FileNotFoundError:
            return False
        for task in tasks:
            try:
                if _stat_fields('/proc/%d/task/%s/stat' % (self.pid, task))[0] in 'RD':
                    return True
            except (FileNotFoundError, ProcessLookupError):
                continue
        return False

    def memory(self):
        """(VmRSS, VmHWM) in bytes."""
        values = {}
        with open('/proc/%d/status' % self.pid) as f:
            for line in f:
                if line.startswith(('VmRSS:', 'VmHWM:')):
                    key, amount, _unit = line.split()
                    values[key] = int(amount) * 1024
        return values.get('VmRSS:', 0), values.get('VmHWM:', 0)

    def alive(self):
        try:
            return _stat_fields('/proc/%d/stat' % self.pid)[0] != 'Z'
        except FileNotFoundError:
            return False


def load_average():
    with open('/proc/loadavg') as f:
        return float(f.read().split()[0])


class IdleTracker:
    """Finds the moment a program became idle: the last sample with activity (CPU time went up,
    or a thread wanted the CPU in two samples running) before a quiet spell. A process that
    waits for the CPU of a busy machine is not idle, so load slows the figures but does not cut
    them short."""

    def __init__(self, process, start, quiet=0.3):
        self.process = process
        self.quiet = quiet
        self.last_cpu = process.cpu_seconds()
        self.last_activity = start
        self.was_busy = False

    def sample(self, now):
        """Takes a sample; returns True once the program has been quiet long enough."""
        cpu = self.process.cpu_seconds()
        busy = self.process.busy()
        if cpu > self.last_cpu or (busy and self.was_busy):
            self.last_activity = now
        self.last_cpu = cpu
        self.was_busy = busy
        return now - self.last_activity >= self.quiet
