// TODO(helper): mountView fills its container in index.html.
export function mountView(root, app) {
  void root;
  void app;
}
