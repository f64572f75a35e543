// TODO(helper): mountProcesses fills its container in index.html.
export function mountProcesses(root, app) {
  void root;
  void app;
}
