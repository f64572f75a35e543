// TODO(helper): mountGraphs fills its container in index.html.
export function mountGraphs(root, app) {
  void root;
  void app;
}
