// One run as molvix-lab makes it, through the core's C interface: the gas
// started as the program starts it, the panel's bars moved to the settings,
// the process on through the warm-up (a moving piston waits), then the
// measured ticks with the piston sent off and the ledger reset. The native
// driver (core_driver.cpp) makes the same calls in the same order.
export const classicRuns = [];
for (const count of [10, 50, 100]) {
  for (const wall of [30, 100]) {
    for (const temperature of [20, 55]) {
      for (const collisions of [true, false]) {
        classicRuns.push({ count, wall, temperature, collisions, warmup: 1000, ticks: 4000 });
      }
    }
  }
}

// One of each process, long enough for the piston and the bath to matter.
export const processRuns = [
  { name: 'moving', count: 50, wall: 100, temperature: 20, collisions: true,
    piston: 'moving', pistonTo: 40, speed: 10, warmup: 2000, ticks: 10000 },
  { name: 'bath', count: 50, wall: 100, temperature: 20, collisions: true,
    bath: true, bathTemperature: 2, warmup: 2000, ticks: 10000 },
  { name: 'loaded', count: 100, wall: 50, temperature: 20, collisions: true,
    piston: 'loaded', load: 8000, mass: 100, bath: true, bathTemperature: 1,
    warmup: 5000, ticks: 10000 },
];

export function runScenario(core, run) {
  const gas = runGas(core, run);
  const readings = gas.readings().filter((r) => r.tick > run.warmup);
  gas.destroy();
  return readings;
}

// The gas after the run, for whoever reads more of it.
export function runGas(core, run) {
  const gas = core.createGas();
  gas.setCount(run.count);
  gas.setTemperature(run.temperature);
  gas.setWall(run.wall);
  gas.setCollisions(run.collisions);
  const settings = {
    piston: run.piston ?? 'fixed',
    target: gas.piston,
    speed: run.speed ?? 1,
    load: run.load ?? 0,
    mass: run.mass ?? 100,
    bath: run.bath ?? false,
    bathTemperature: run.bathTemperature ?? gas.defaultBathTemperature(),
  };
  gas.setProcess(settings);
  gas.run(run.warmup);
  if (run.pistonTo !== undefined) settings.target = run.pistonTo;
  gas.setProcess(settings);
  gas.resetLedger();
  gas.run(run.ticks);
  return gas;
}

// The driver's arguments for the same run.
export function driverArgs(run) {
  return [run.count, run.wall, run.temperature, run.collisions ? 1 : 0,
    { fixed: 0, moving: 1, loaded: 2 }[run.piston ?? 'fixed'], run.pistonTo ?? -1,
    run.speed ?? 1, run.load ?? 0, run.mass ?? 100, run.bath ? 1 : 0,
    run.bathTemperature ?? -1, run.warmup, run.ticks].map(String);
}
